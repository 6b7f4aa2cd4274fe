// The gallery's seventh page: tables. A list control (CListeBitmap) of a
// hundred files in three columns (name, size, date) with its vertical scroll
// bar at the left, and a combo box (CComboBoxBitmap) of twenty channels that
// unrolls downwards over the free room below it. A click on a cell selects
// the whole row; choosing a channel closes the combo box; both report to the
// status line.
#include "Gallery.h"

#include <cstdio>

namespace gallery {
namespace {

enum {
    kIdFiles = 1101,
    kIdChannel,
    kIdLabels = 1111,   // the section labels take 1111..1112
};

// Layout, on the page plate: the list at the left, as high as the plate
// allows; the combo box at the right with the room below it for its list.
const int kMargin = 8;
const int kListY = 11;
const int kRightX = kMargin + SKIN_TABLE_W + 24;
const int kLabelY = 12, kComboY = 38;

const int kFileCount = 100;
const int kChannelCount = 20;
const char* const kChannels[kChannelCount] = {
    "Metro News",   "Arena Sports", "Cinema One",    "Rock Radio",   "World Report", "Goal TV",     "Classic Films",
    "Jazz Lounge",  "City Live",    "Motor Racing",  "Action Movies", "Pop Hits",    "Business Now", "Tennis Court",
    "Drama House",  "Classical FM", "Weather Desk",  "Indie Screen", "Chill Beats",  "Family Films"};

const char* const kStems[10] = {"report", "budget", "invoice", "photo", "notes",
                                "backup", "slides", "contract", "scan", "draft"};
const char* const kExtensions[5] = {"pdf", "xlsx", "docx", "jpg", "zip"};

// Row r (from 1) of the file list: its three cells' texts.
void FileRow(int r, char* name, char* size, char* date) {
    std::snprintf(name, 20, "%s-%03d.%s", kStems[r % 10], r, kExtensions[(r / 10) % 5]);
    unsigned kb = unsigned(r * 7919 % 9000) + 12;
    if (kb >= 1024) std::snprintf(size, 20, "%u.%u MB", kb / 1024, kb % 1024 * 10 / 1024);
    else std::snprintf(size, 20, "%u KB", kb);
    std::snprintf(date, 20, "2024-%02d-%02d", 1 + r % 12, 1 + r * 7 % 28);
}

BITMAPLISTID Ids(int region, int normal, int disabled, int over, int pushed) {
    BITMAPLISTID ids = {region, normal, disabled, over, pushed};
    return ids;
}
BITMAPLISTID Same(int image) { return Ids(image, image, image, image, image); }

// The slate scroll bar parts that every bar of the skin shares.
BITMAPLISTID UpArrow() {
    return Ids(SKIN_SCROLL_UP_REGION, SKIN_SCROLL_UP_NORMAL, SKIN_SCROLL_UP_DISABLED, SKIN_SCROLL_UP_OVER,
               SKIN_SCROLL_UP_PUSHED);
}
BITMAPLISTID DownArrow() {
    return Ids(SKIN_SCROLL_DOWN_REGION, SKIN_SCROLL_DOWN_NORMAL, SKIN_SCROLL_DOWN_DISABLED, SKIN_SCROLL_DOWN_OVER,
               SKIN_SCROLL_DOWN_PUSHED);
}
BITMAPLISTID VCounter() {
    return Ids(-1, SKIN_SCROLL_V_COUNTER, SKIN_SCROLL_V_COUNTER_DISABLED, SKIN_SCROLL_V_COUNTER_OVER,
               SKIN_SCROLL_V_COUNTER_OVER);
}

// The list control gives its scroll bars no transparent colour: its arrows
// are the skin's uncut ones (normal, disabled, over, pushed in a row; the
// normal face is the outline too).
BITMAPLISTID Arrow(int normal) { return Ids(normal, normal, normal + 1, normal + 2, normal + 3); }

// The list and the combo box, with what the page's first steps need of
// their parts.
class FileList : public CListeBitmap {
public:
    explicit FileList(char* skin)
        : CListeBitmap(skin, Ids(SKIN_TABLE_REGION, SKIN_TABLE, SKIN_TABLE, -1, -1), Same(SKIN_TABLE_HEADER),
                       Ids(SKIN_TABLE_VBAR_REGION, SKIN_SCROLL_V_TRACK, SKIN_SCROLL_V_TRACK_DISABLED, -1, -1),
                       Arrow(SKIN_TABLE_UP_NORMAL), Arrow(SKIN_TABLE_DOWN_NORMAL), VCounter(),
                       Ids(SKIN_TABLE_HBAR_REGION, SKIN_SCROLL_H_TRACK, SKIN_SCROLL_H_TRACK_DISABLED, -1, -1),
                       Arrow(SKIN_TABLE_LEFT_NORMAL), Arrow(SKIN_TABLE_RIGHT_NORMAL),
                       Ids(-1, SKIN_SCROLL_H_COUNTER, SKIN_SCROLL_H_COUNTER_DISABLED, SKIN_SCROLL_H_COUNTER_OVER,
                           SKIN_SCROLL_H_COUNTER_OVER),
                       Font(12, FW_NORMAL)) {}
    CBitmapScrollBarButton* VerticalBar() { return m_pVScrollBar; }
    HWND Column(int index) {
        return index < m_nRowWindows && m_pRowWindows[index].pWindow ? m_pRowWindows[index].pWindow->GetWindowHandle()
                                                                      : NULL;
    }
};

class ChannelBox : public CComboBoxBitmap {
public:
    explicit ChannelBox(char* skin)
        : CComboBoxBitmap(skin, Ids(SKIN_COMBO_LIST_REGION, SKIN_COMBO_LIST, SKIN_COMBO_LIST, -1, -1),
                          Ids(SKIN_COMBO_DISPLAY_REGION, SKIN_COMBO_DISPLAY, SKIN_COMBO_DISPLAY_DISABLED, -1, -1),
                          Ids(SKIN_COMBO_BUTTON_REGION, SKIN_COMBO_BUTTON_NORMAL, SKIN_COMBO_BUTTON_DISABLED,
                              SKIN_COMBO_BUTTON_OVER, SKIN_COMBO_BUTTON_PUSHED),
                          Ids(SKIN_COMBO_BAR_REGION, SKIN_SCROLL_V_TRACK, SKIN_SCROLL_V_TRACK_DISABLED, -1, -1),
                          UpArrow(), DownArrow(), VCounter(), Font(12, FW_BOLD), SKIN_COLOR_KEY) {}
    HWND Button() { return m_pButton ? m_pButton->GetWindowHandle() : NULL; }
    HWND List() { return m_pList ? m_pList->GetWindowHandle() : NULL; }
};

class TablesPage : public Page {
public:
    TablesPage(const std::string& skin, HINSTANCE instance)
        : Page(skin, instance), m_files(NULL), m_channels(NULL), m_startTimer(0) {}
    ~TablesPage();

    bool OnCommand(int id, LPARAM value, std::string* description);
    void Start();

protected:
    bool BuildContent(HWND plate);

private:
    bool BuildFiles(HWND plate);
    bool BuildChannels(HWND plate);
    static void CALLBACK StartLater(HWND, UINT, UINT_PTR timer, DWORD);

    FileList* m_files;
    ChannelBox* m_channels;
    UINT_PTR m_startTimer;
    static TablesPage* s_starting;
};

TablesPage* TablesPage::s_starting = NULL;

TablesPage::~TablesPage() {
    if (m_startTimer) KillTimer(NULL, m_startTimer);
    if (s_starting == this) s_starting = NULL;
}

bool TablesPage::BuildContent(HWND plate) {
    SectionLabel(plate, "CHANNEL", kIdLabels, kRightX, kLabelY);
    return BuildFiles(plate) && BuildChannels(plate);
}

// Three columns added before the window (their windows come with it), the
// hundred rows after it: the vertical bar counts a line for every row that
// does not fit the window it measures.
bool TablesPage::BuildFiles(HWND plate) {
    m_files = Keep(new FileList(Skin()));
    __int64 error = 0;
    struct Column {
        const char* title;
        int titleFace, background;
    } columns[3] = {{"Name", SKIN_TABLE_TITLE_NAME, SKIN_TABLE_COLUMN_NAME},
                    {"Size", SKIN_TABLE_TITLE_SIZE, SKIN_TABLE_COLUMN_SIZE},
                    {"Modified", SKIN_TABLE_TITLE_DATE, SKIN_TABLE_COLUMN_DATE}};
    for (int c = 0; c < 3; ++c) {
        const Column& k = columns[c];
        // The title's pushed face (the title last clicked) follows its normal one.
        if (!m_files->SetBitmapCloumBitmapItem(c, Ids(k.titleFace, k.titleFace, k.titleFace, k.titleFace,
                                                      k.titleFace + 1),
                                               (char*)k.title, SKIN_COLOR_TEXT_MUTED, Same(k.background), &error))
            return false;
    }
    if (!m_files->Create("", WS_CHILD, kMargin, kListY, -1, -1, Instance(), plate, kIdFiles, SKIN_COLOR_KEY, NULL,
                         NULL, NULL, SW_SHOW))
        return false;
    const int cells[3] = {SKIN_TABLE_CELL_NAME, SKIN_TABLE_CELL_SIZE, SKIN_TABLE_CELL_DATE};
    for (int r = 1; r <= kFileCount; ++r) {
        char text[3][20];
        FileRow(r, text[0], text[1], text[2]);
        for (int c = 0; c < 3; ++c)
            m_files->SetRowBitmapItem(r, c, Ids(cells[c], cells[c], cells[c], cells[c], cells[c] + 1), text[c],
                                      SKIN_COLOR_TEXT, &error);
    }
    return true;
}

// Twenty channels; the list is six rows high, so fourteen lines to scroll.
bool TablesPage::BuildChannels(HWND plate) {
    m_channels = Keep(new ChannelBox(Skin()));
    if (!m_channels->Create("", WS_CHILD | WS_CLIPCHILDREN, kRightX, kComboY, -1, -1, SKIN_COMBO_LIST_W,
                            SKIN_COMBO_LIST_H, Instance(), plate, kIdChannel, SKIN_COLOR_KEY, NULL, NULL, NULL,
                            SW_SHOW))
        return false;
    __int64 error = 0;
    for (int i = 0; i < kChannelCount; ++i)
        m_channels->SetItems(Ids(SKIN_COMBO_DISPLAY_REGION, SKIN_COMBO_ITEM, SKIN_COMBO_ITEM_DISABLED,
                                 SKIN_COMBO_ITEM, SKIN_COMBO_ITEM_SELECTED),
                             (char*)kChannels[i], SKIN_COLOR_TEXT, i + 1, &error);
    m_channels->SetActiveItemID(1, &error);   // shown until the user chooses
    return true;
}

// The first steps a user would take: scroll the files three rows on and
// click the second row in view, then open the channel list. The bar steps
// only once it has painted, so the steps wait for a timer.
void TablesPage::Start() {
    s_starting = this;
    m_startTimer = SetTimer(NULL, 0, 200, StartLater);
}

void CALLBACK TablesPage::StartLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(NULL, timer);
    TablesPage* page = s_starting;
    if (!page || page->m_startTimer != timer) return;
    page->m_startTimer = 0;
    s_starting = NULL;
    CBitmapScrollBarButton* bar = page->m_files->VerticalBar();
    if (bar && IsWindowEnabled(bar->GetWindowHandle()))
        for (int i = 0; i < 3; ++i) bar->Increas();
    HWND size = page->m_files->Column(1);
    LPARAM cell = MAKELPARAM(20, SKIN_TABLE_ROW_H + SKIN_TABLE_ROW_H / 2);
    if (size) {
        PostMessageA(size, WM_LBUTTONDOWN, MK_LBUTTON, cell);
        PostMessageA(size, WM_LBUTTONUP, 0, cell);
    }
    HWND button = page->m_channels->Button();
    if (button) {
        PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
        PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    }
}

bool TablesPage::OnCommand(int id, LPARAM value, std::string* description) {
    char text[96];
    int item = int(value);
    switch (id) {
    case kIdFiles:
        if (item >= 1 && item <= kFileCount) {
            char name[20], size[20], date[20];
            FileRow(item, name, size, date);
            std::snprintf(text, sizeof text, "file list  (row %d: %s, %s)", item, name, size);
        } else {
            std::snprintf(text, sizeof text, "file list  (row %d)", item);
        }
        *description = text;
        return true;
    case kIdChannel:
        if (item >= 1 && item <= kChannelCount)
            std::snprintf(text, sizeof text, "channel box  (%d  %s)", item, kChannels[item - 1]);
        else std::snprintf(text, sizeof text, "channel box  (item %d)", item);
        *description = text;
        return true;
    default: return false;
    }
}

}  // namespace

Page* NewTablesPage(const std::string& skin, HINSTANCE instance) { return new TablesPage(skin, instance); }

}  // namespace gallery
