// What the gallery's pages share: fonts and text helpers, the toggle that
// knows whether it is selected, and the page base class that creates a
// page's plate, keeps every object the page makes, and destroys them.
#ifndef TESSARO_GALLERY_H
#define TESSARO_GALLERY_H

#include <windows.h>

#include <string>
#include <vector>

#include "Tessaro.h"
#include "DefaultSkin.h"

namespace gallery {

const UINT kLeftLine = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
const UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

LOGFONTA Font(int pixels, int weight);

// Controls draw their text over the whole face; a label that must start
// right of a mark (a check box, a dot) gets enough leading spaces, measured
// in the label's own font, to clear `pixels`.
std::string Indent(const LOGFONTA& font, const char* text, int pixels);

// The library takes texts and paths as char*; it copies them.
inline char* Chars(const std::string& s) { return const_cast<char*>(s.c_str()); }

// Presses and releases a control as a click would; the control then
// reports like after a real click.
void Click(CUIWindow* control);

// Shows a report in the status line that did not come as a WM_COMMAND (a
// page noticed a change itself): "#n   what".
void Report(const std::string& what);

// Is the mouse pointer over this window right now?
bool Hovered(CUIWindow* control);

// A check box, radio button or page tab that can say whether it is
// selected: it compares the frame it shows with its selected frame.
class Toggle : public CChckRadBitmapButton {
public:
    Toggle(char* skin, int region, int normal, int disabled, int selected, int pushed, LOGFONTA font, char* text,
           DWORD textColor, UINT format)
        : CChckRadBitmapButton(skin, region, normal, disabled, selected, pushed, font, text, textColor, format),
          m_selectedFrame(selected) {}
    bool IsSelected() const { return m_nCurrentID == m_selectedFrame; }
    // Shows the selected frame without a report, as the program's own choice.
    void Select() { ShowFrame(m_selectedFrame); }

private:
    int m_selectedFrame;
};

// Keeps one member of a radio group selected after `chosen` reported a
// click: a click on the selected member unselects it, so it is selected
// again; otherwise the other members are unselected.
void KeepExclusive(Toggle* const* group, int count, int chosen);

// One page of the gallery: a plate over the panel's body that holds the
// page's controls. Showing a page shows its plate; the rest follows.
class Page {
public:
    Page(const std::string& skin, HINSTANCE instance) : m_skin(skin), m_instance(instance), m_plate(NULL) {}
    virtual ~Page() { Destroy(); }

    // Creates the plate on the panel (hidden) and the page's controls on it.
    bool Build(HWND panel);
    void Show(bool shown);
    // Windows first (the latest made first, so children go before their
    // parents), then the objects.
    void Destroy();

    // A report from one of the page's controls (`value` is the report's
    // lParam: a slider's position, a volume): acts on it and describes it
    // for the status line. False when the control is not the page's.
    virtual bool OnCommand(int id, LPARAM value, std::string* description) = 0;
    // Called once a second.
    virtual void OnSecond() {}
    // Called ten times a second, for pages that follow a control which sends
    // no reports of its own.
    virtual void OnTick() {}
    // The first steps a user would take on the page, shown when the gallery
    // starts on it (the controls report them like real clicks).
    virtual void Start() {}

protected:
    virtual bool BuildContent(HWND plate) = 0;

    // Keeps an object made with new: its window is destroyed and the
    // object deleted with the page.
    template <class T> T* Keep(T* object) {
        m_objects.push_back(object);
        m_windows.push_back(object);
        return object;
    }
    // A window the page destroys but does not delete (a part of a view).
    void KeepWindow(CUIWindow* part) { m_windows.push_back(part); }
    // Keeps an object that has no window of its own (it is only deleted).
    void KeepObject(CUIWindow* object) { m_objects.push_back(object); }

    // Creates a kept window at (x, y) on `parent`, sized by its images.
    bool Place(CBitmapWindow* w, HWND parent, int id, int x, int y);
    CBitmapWindow* SectionLabel(HWND parent, const char* text, int id, int x, int y);
    CBitmapButton* SmallButton(HWND parent, const char* text, int id, int x, int y);

    char* Skin() { return Chars(m_skin); }
    HINSTANCE Instance() const { return m_instance; }

private:
    std::string m_skin;
    HINSTANCE m_instance;
    CBitmapWindow* m_plate;
    std::vector<CUIWindow*> m_windows;
    std::vector<CUIWindow*> m_objects;
};

Page* NewControlsPage(const std::string& skin, HINSTANCE instance);
Page* NewIndicatorsPage(const std::string& skin, HINSTANCE instance);
Page* NewSlidersPage(const std::string& skin, HINSTANCE instance);
Page* NewListsPage(const std::string& skin, HINSTANCE instance);
Page* NewTextPage(const std::string& skin, HINSTANCE instance);
Page* NewWheelPage(const std::string& skin, HINSTANCE instance);
Page* NewTablesPage(const std::string& skin, HINSTANCE instance);

}  // namespace gallery

#endif
