// The gallery's fifth page: text entry. Two edit boxes (CBitmapEditBox) with
// different fonts and widths, a name field and a search field. Each box sits
// on a field plate that draws the field's border (and shows the keyboard
// focus); the box itself is the field's flat inside. The boxes send nothing
// to their parent, so the page reads them back with GetEditBoxText ten times
// a second and reports every change in the status line.
#include "Gallery.h"

#include <cstdio>

namespace gallery {
namespace {

enum {
    kIdNameField = 801,
    kIdName,   // each edit box takes the ID after its plate's
    kIdSearchField,
    kIdSearch,
    kIdClear,
    kIdNameValue = 811,
    kIdSearchValue,
    kIdFocusValue,
    kIdHint,
    kIdLabels = 821,   // the section labels take 821..824
};

// Layout, on the page plate: the fields at the left, what they hold and
// where the keyboard focus is at the right. Field positions are where the
// field shows; its plate image starts SKIN_FIELD_MARGIN further up and left.
const int kMargin = 8;
const int kNameLabelY = 12, kNameY = 38;
const int kSearchLabelY = 94, kSearchY = 120;
const int kClearX = kMargin + SKIN_FIELD_SEARCH_W - 2 * SKIN_FIELD_MARGIN + 12;
const int kHintY = 176;
const int kRightX = 300;
const int kReadLabelY = 12, kReadY = 38, kReadGap = 24;
const int kFocusLabelY = 94, kFocusY = 120;

// What the page types into the boxes when the gallery starts on it.
const char kSampleName[] = "Ada Lovelace";
const char kSampleSearch[] = "analytical engine";

// The plate of a text field: it shows its focused frame while its edit box
// has the keyboard focus, and a click on the plate around the box gives the
// box the focus (a passive window would start dragging the panel instead).
class FieldPlate : public CBitmapWindow {
public:
    FieldPlate(char* skin, int region, int normal, int focused, int disabled)
        : CBitmapWindow(skin, region, normal, disabled, Font(12, FW_NORMAL), (char*)"", 0, kLeftLine),
          m_focusedFrame(focused), m_box(NULL) {}

    void SetBox(HWND box) { m_box = box; }
    void ShowFocus(bool focused) {
        if (!IsDisabled()) ShowFrame(focused ? m_focusedFrame : m_nNormalID);
    }
    virtual int OnLButtonDown(UINT wParam, LPARAM lParam) {
        if (m_box) SetFocus(m_box);
        return 1;
    }

private:
    int m_focusedFrame;
    HWND m_box;
};

// One field: its plate, its box, and what the box held when last read.
struct Field {
    const char* name;
    FieldPlate* plate;
    CBitmapEditBox* box;
    CBitmapWindow* value;
    std::string text;
};

class TextPage : public Page {
public:
    TextPage(const std::string& skin, HINSTANCE instance)
        : Page(skin, instance), m_focusLine(NULL), m_focusShown(-2), m_typeOnStart(false) {
        m_fields[0].name = "Name";
        m_fields[1].name = "Search";
    }

    bool OnCommand(int id, LPARAM value, std::string* description);
    void OnTick();
    void Start();

protected:
    bool BuildContent(HWND plate);

private:
    bool BuildField(HWND plate, Field* field, int id, int x, int y, int region, int normal, int focused,
                    int disabled, int boxFace, int boxDisabled, int boxX, int boxY, LOGFONTA font);
    CBitmapWindow* ValueLine(HWND plate, int id, int x, int y, const char* text, DWORD colour, int weight);
    static std::string Read(CBitmapEditBox* box);
    void Type(CBitmapEditBox* box, const char* text);
    void ClearSearch();
    void ShowValue(Field* field);
    void FollowFocus();

    Field m_fields[2];
    CBitmapWindow* m_focusLine;
    int m_focusShown;   // the field with the focus as last shown: -1 none, -2 not shown yet
    bool m_typeOnStart;
};

bool TextPage::BuildContent(HWND plate) {
    SectionLabel(plate, "NAME", kIdLabels, kMargin, kNameLabelY);
    SectionLabel(plate, "SEARCH", kIdLabels + 1, kMargin, kSearchLabelY);
    SectionLabel(plate, "READ BACK", kIdLabels + 2, kRightX, kReadLabelY);
    SectionLabel(plate, "KEYBOARD FOCUS", kIdLabels + 3, kRightX, kFocusLabelY);

    if (!BuildField(plate, &m_fields[0], kIdNameField, kMargin, kNameY, SKIN_FIELD_L_REGION, SKIN_FIELD_L,
                    SKIN_FIELD_L_FOCUSED, SKIN_FIELD_L_DISABLED, SKIN_EDIT_L, SKIN_EDIT_L_DISABLED, SKIN_EDIT_L_X,
                    SKIN_EDIT_L_Y, Font(15, FW_NORMAL)) ||
        !BuildField(plate, &m_fields[1], kIdSearchField, kMargin, kSearchY, SKIN_FIELD_SEARCH_REGION,
                    SKIN_FIELD_SEARCH, SKIN_FIELD_SEARCH_FOCUSED, SKIN_FIELD_SEARCH_DISABLED, SKIN_EDIT_SEARCH,
                    SKIN_EDIT_SEARCH_DISABLED, SKIN_EDIT_SEARCH_X, SKIN_EDIT_SEARCH_Y, Font(13, FW_NORMAL)))
        return false;
    SmallButton(plate, "Clear", kIdClear, kClearX, kSearchY);
    ValueLine(plate, kIdHint, kMargin, kHintY, "Click a field and type: each change shows below.",
              SKIN_COLOR_TEXT_MUTED, FW_NORMAL);

    m_fields[0].value = ValueLine(plate, kIdNameValue, kRightX, kReadY, "", SKIN_COLOR_TEXT, FW_BOLD);
    m_fields[1].value = ValueLine(plate, kIdSearchValue, kRightX, kReadY + kReadGap, "", SKIN_COLOR_TEXT, FW_BOLD);
    m_focusLine = ValueLine(plate, kIdFocusValue, kRightX, kFocusY, "", SKIN_COLOR_TEXT, FW_BOLD);
    for (int i = 0; i < 2; ++i) ShowValue(&m_fields[i]);
    FollowFocus();
    return true;
}

// A field: its plate at (x, y) less the glow margin, and on the plate the
// edit box, sized by its face, where one line of text sits in the middle.
bool TextPage::BuildField(HWND plate, Field* field, int id, int x, int y, int region, int normal, int focused,
                          int disabled, int boxFace, int boxDisabled, int boxX, int boxY, LOGFONTA font) {
    field->plate = Keep(new FieldPlate(Skin(), region, normal, focused, disabled));
    if (!field->plate->Create("", WS_CHILD | WS_CLIPCHILDREN, x - SKIN_FIELD_MARGIN, y - SKIN_FIELD_MARGIN, -1, -1,
                              Instance(), plate, id, SKIN_COLOR_KEY, NULL, NULL, NULL, SW_SHOW))
        return false;
    field->box = Keep(new CBitmapEditBox(Skin(), -1, boxFace, boxDisabled, font, SKIN_COLOR_TEXT,
                                         DT_LEFT | DT_SINGLELINE | DT_NOPREFIX));
    if (!field->box->Create("", WS_CHILD, boxX, boxY, -1, -1, Instance(), field->plate->GetWindowHandle(), id + 1,
                            SKIN_COLOR_KEY, NULL, NULL, NULL, SW_SHOW))
        return false;
    field->plate->SetBox(field->box->GetWindowHandle());
    return true;
}

CBitmapWindow* TextPage::ValueLine(HWND plate, int id, int x, int y, const char* text, DWORD colour, int weight) {
    CBitmapWindow* line = new CBitmapWindow(Skin(), SKIN_VALUE_WIDE, SKIN_VALUE_WIDE, SKIN_VALUE_WIDE,
                                            Font(12, weight), (char*)text, colour,
                                            kLeftLine | DT_NOPREFIX | DT_EXPANDTABS | DT_END_ELLIPSIS);
    return Place(line, plate, id, x, y) ? line : NULL;
}

// The box's text in the ANSI code page (the box writes no terminator).
std::string TextPage::Read(CBitmapEditBox* box) {
    char text[1024] = {0};
    DWORD bytes = box->GetEditBoxText(text, sizeof text - 1);
    return std::string(text, bytes < sizeof text ? bytes : 0);
}

// Types a text into a box as the keyboard would: one WM_CHAR a character
// (the box has the focus).
void TextPage::Type(CBitmapEditBox* box, const char* text) {
    for (const char* c = text; *c; ++c) SendMessageA(box->GetWindowHandle(), WM_CHAR, (BYTE)*c, 1);
}

// Empties the search box with backspaces from the end of its text, and gives
// it the focus for what comes next.
void TextPage::ClearSearch() {
    HWND box = m_fields[1].box->GetWindowHandle();
    SendMessageA(box, WM_KEYDOWN, VK_END, 1);
    for (size_t i = Read(m_fields[1].box).size(); i > 0; --i) SendMessageA(box, WM_CHAR, VK_BACK, 1);
    SetFocus(box);
}

void TextPage::ShowValue(Field* field) {
    char bytes[32];
    std::snprintf(bytes, sizeof bytes, "(%u bytes)", (unsigned)field->text.size());
    std::string line = std::string(field->name) + "\t";
    line += field->text.empty() ? std::string("(empty)") : "\"" + field->text + "\"   " + bytes;
    field->value->SetColorText(field->text.empty() ? SKIN_COLOR_TEXT_MUTED : SKIN_COLOR_TEXT);
    field->value->SetBitmapName(Chars(line));
}

// The plates show which box has the keyboard focus, and so does the line
// under "keyboard focus".
void TextPage::FollowFocus() {
    HWND focus = GetFocus();
    int focused = -1;
    for (int i = 0; i < 2; ++i) {
        bool has = m_fields[i].box && focus && focus == m_fields[i].box->GetWindowHandle();
        if (has) focused = i;
    }
    if (focused == m_focusShown) return;
    m_focusShown = focused;
    for (int i = 0; i < 2; ++i) m_fields[i].plate->ShowFocus(i == focused);
    std::string line = focused < 0 ? std::string("No field: click one to type")
                                   : std::string(m_fields[focused].name) + " field  (typing goes here)";
    m_focusLine->SetColorText(focused < 0 ? SKIN_COLOR_TEXT_MUTED : SKIN_COLOR_TEXT);
    m_focusLine->SetBitmapName(Chars(line));
}

void TextPage::OnTick() {
    if (!m_fields[0].box || !m_fields[1].box) return;
    // The typing asked for at the start, once the gallery's window is active
    // (activating it puts the focus on the window itself). A box measures
    // its line when it takes the focus, and takes characters only then.
    if (m_typeOnStart && GetActiveWindow() && IsWindowVisible(m_fields[0].box->GetWindowHandle())) {
        m_typeOnStart = false;
        SetFocus(m_fields[1].box->GetWindowHandle());
        Type(m_fields[1].box, kSampleSearch);
        SetFocus(m_fields[0].box->GetWindowHandle());
        Type(m_fields[0].box, kSampleName);
    }
    // A hidden page keeps no focus: typing into a box out of sight would
    // change it unseen.
    HWND focus = GetFocus();
    for (int i = 0; i < 2; ++i) {
        HWND box = m_fields[i].box->GetWindowHandle();
        if (focus == box && !IsWindowVisible(box)) SetFocus(GetAncestor(box, GA_ROOT));
    }
    FollowFocus();
    // Both boxes may have changed since the last tick; the one with the focus
    // is reported last, so the status line shows what is being typed.
    for (int k = 0; k < 2; ++k) {
        Field& field = m_fields[m_focusShown == 0 ? 1 - k : k];
        std::string text = Read(field.box);
        if (text == field.text) continue;
        field.text = text;
        ShowValue(&field);
        char bytes[24];
        std::snprintf(bytes, sizeof bytes, "%u bytes", (unsigned)text.size());
        Report(std::string("GetEditBoxText   ") + field.name + "  " +
               (text.empty() ? std::string("(empty)") : "\"" + text + "\"") + "   " + bytes);
    }
}

// Types a search and a name as a user would, at the first tick after the
// gallery's window is shown, leaving the focus in the name field (its caret
// at the end of the name).
void TextPage::Start() { m_typeOnStart = true; }

bool TextPage::OnCommand(int id, LPARAM value, std::string* description) {
    if (id != kIdClear) return false;
    ClearSearch();
    *description = "Clear button  (search field emptied)";
    return true;
}

}  // namespace

Page* NewTextPage(const std::string& skin, HINSTANCE instance) { return new TextPage(skin, instance); }

}  // namespace gallery
