// The gallery's fourth page: the lists. A channel list of thirty rows with
// icons (a vertical CDispalyMultiBitmapWindow) driven by a vertical scroll
// bar beside it (CBitmapScrollBarButton), and a row of category tiles wider
// than its window (a horizontal strip) driven by a horizontal scroll bar.
// Clicking a row or a tile selects it and shows it under "now selected".
#include "Gallery.h"

#include <cstdio>

namespace gallery {
namespace {

enum {
    kIdChannels = 701,
    kIdChannelBar,
    kIdTiles = 711,
    kIdTileBar,
    kIdSelectedChannel = 721,
    kIdSelectedCategory,
    kIdLabels = 731,   // the section labels take 731..733
};

// Layout, on the page plate: the channel list and its bar at the left, the
// tiles with their bar and the selection at the right.
const int kMargin = 8;
const int kLabelY = 12, kContentY = 38;
const int kChannelBarX = kMargin + SKIN_LIST_W + 4;
const int kRightX = 300;
const int kTileBarY = kContentY + SKIN_TILE_STRIP_H + 6;
const int kSelectedLabelY = 140, kSelectedY = 166, kSelectedGap = 24;

// The counter never gets shorter than this.
const int kMinCounter = 24;

// The channels: number, name and the kind of the row's icon.
enum RowKind { kNews, kSports, kFilm, kMusic };
struct Channel {
    int number;
    const char* name;
    RowKind kind;
};
const Channel kChannels[] = {
    {101, "Metro News", kNews},       {102, "Arena Sports", kSports},  {103, "Cinema One", kFilm},
    {104, "Rock Radio", kMusic},      {105, "World Report", kNews},    {106, "Goal TV", kSports},
    {107, "Classic Films", kFilm},    {108, "Jazz Lounge", kMusic},    {109, "City Live", kNews},
    {110, "Motor Racing", kSports},   {111, "Action Movies", kFilm},   {112, "Pop Hits", kMusic},
    {113, "Business Now", kNews},     {114, "Tennis Court", kSports},  {115, "Drama House", kFilm},
    {116, "Classical FM", kMusic},    {117, "Weather Desk", kNews},    {118, "Extreme Sports", kSports},
    {119, "Indie Screen", kFilm},     {120, "Chill Beats", kMusic},    {121, "Civic Channel", kNews},
    {122, "Golf Greens", kSports},    {123, "Family Films", kFilm},    {124, "Country Roads", kMusic},
    {125, "Newsline 24", kNews},      {126, "Sports Max", kSports},    {127, "Noir Nights", kFilm},
    {128, "Retro 80s", kMusic},       {129, "Laugh Track", kFilm},     {130, "Dance Floor", kMusic},
};
const int kChannelCount = sizeof kChannels / sizeof kChannels[0];

// Row faces per kind: normal and selected.
const int kRowFaces[4][2] = {{SKIN_LIST_ROW_NEWS, SKIN_LIST_ROW_NEWS_SELECTED},
                             {SKIN_LIST_ROW_SPORTS, SKIN_LIST_ROW_SPORTS_SELECTED},
                             {SKIN_LIST_ROW_FILM, SKIN_LIST_ROW_FILM_SELECTED},
                             {SKIN_LIST_ROW_MUSIC, SKIN_LIST_ROW_MUSIC_SELECTED}};

// The category tiles: name and face (normal; the selected face follows it).
struct Category {
    const char* name;
    int face;
};
const Category kCategories[] = {
    {"Movies", SKIN_TILE_FILM},   {"Series", SKIN_TILE_SERIES}, {"Sports", SKIN_TILE_SPORTS},
    {"News", SKIN_TILE_NEWS},     {"Music", SKIN_TILE_MUSIC},   {"Kids", SKIN_TILE_KIDS},
    {"Drama", SKIN_TILE_FILM},    {"Docs", SKIN_TILE_SERIES},   {"Racing", SKIN_TILE_SPORTS},
    {"Weather", SKIN_TILE_NEWS},  {"Jazz", SKIN_TILE_MUSIC},    {"Cartoons", SKIN_TILE_KIDS},
};
const int kCategoryCount = sizeof kCategories / sizeof kCategories[0];
const int kFirstCategoryID = 1;   // tile i reports ID i + 1

const int kVisibleRows = SKIN_LIST_ROWS;
const int kVisibleTiles = SKIN_TILE_STRIP_W / SKIN_TILE_W;   // whole tiles in view

// An item's frames: its size from the normal face; the selected face is the
// pushed frame.
BITMAPLISTID ItemFrames(int normal, int disabled, int selected) {
    BITMAPLISTID frames = {normal, normal, disabled, normal, selected};
    return frames;
}

// The pixels one line moves the counter, so that the counter's share of the
// track is about the share of the items in view (but never below
// kMinCounter): the counter is the track less a step for every line.
int LineStep(int track, int visible, int total) {
    int lines = total - visible;
    if (lines <= 0) return 1;
    int counter = track * visible / total;
    if (counter < kMinCounter) counter = kMinCounter;
    int step = (track - counter) / lines;
    return step < 1 ? 1 : step;
}

class ListsPage : public Page {
public:
    ListsPage(const std::string& skin, HINSTANCE instance)
        : Page(skin, instance), m_channels(NULL), m_channelBar(NULL), m_tiles(NULL), m_tileBar(NULL),
          m_selectedChannel(NULL), m_selectedCategory(NULL), m_startTimer(0), m_startStage(0) {}
    ~ListsPage();

    bool OnCommand(int id, LPARAM value, std::string* description);
    void Start();

protected:
    bool BuildContent(HWND plate);

private:
    bool BuildChannels(HWND plate);
    bool BuildTiles(HWND plate);
    CBitmapScrollBarButton* MakeBar(HWND plate, int id, int x, int y, bool vertical, int length, int lines,
                                    int lineStep);
    CBitmapWindow* ValueLine(HWND plate, int id, int y, const char* text, DWORD colour);
    std::string SelectChannel(int number);
    std::string SelectCategory(int id);
    void FirstScrolls();
    void FirstClicks();
    static void CALLBACK StartLater(HWND, UINT, UINT_PTR timer, DWORD);

    CDispalyMultiBitmapWindow* m_channels;
    CBitmapScrollBarButton* m_channelBar;
    CDispalyMultiBitmapWindow* m_tiles;
    CBitmapScrollBarButton* m_tileBar;
    CBitmapWindow* m_selectedChannel;
    CBitmapWindow* m_selectedCategory;
    UINT_PTR m_startTimer;
    int m_startStage;   // 0: the scrolls are next, 1: the clicks
    // The page whose first steps are waiting for their timer.
    static ListsPage* s_starting;
};

ListsPage* ListsPage::s_starting = NULL;

ListsPage::~ListsPage() {
    if (m_startTimer) KillTimer(NULL, m_startTimer);
    if (s_starting == this) s_starting = NULL;
}

bool ListsPage::BuildContent(HWND plate) {
    SectionLabel(plate, "CHANNELS", kIdLabels, kMargin, kLabelY);
    SectionLabel(plate, "CATEGORIES", kIdLabels + 1, kRightX, kLabelY);
    SectionLabel(plate, "NOW SELECTED", kIdLabels + 2, kRightX, kSelectedLabelY);
    if (!BuildChannels(plate) || !BuildTiles(plate)) return false;
    // A strip that fits its window has nothing to scroll: its bar shows its
    // disabled frames and takes no input.
    CDispalyMultiBitmapWindow* strips[2] = {m_channels, m_tiles};
    CBitmapScrollBarButton* bars[2] = {m_channelBar, m_tileBar};
    for (int i = 0; i < 2; ++i)
        if (!strips[i]->OverLiment()) {
            bars[i]->Enable(0);
            EnableWindow(bars[i]->GetWindowHandle(), FALSE);
        }
    m_selectedChannel = ValueLine(plate, kIdSelectedChannel, kSelectedY, "Channel   none", SKIN_COLOR_TEXT_MUTED);
    m_selectedCategory =
        ValueLine(plate, kIdSelectedCategory, kSelectedY + kSelectedGap, "Category   none", SKIN_COLOR_TEXT_MUTED);
    return m_selectedChannel && m_selectedCategory;
}

// Thirty rows, "number  name", in light text on the dark well, and the bar
// that scrolls them: one line a row.
bool ListsPage::BuildChannels(HWND plate) {
    m_channels = new CDispalyMultiBitmapWindow(Skin(), SKIN_LIST_REGION, SKIN_LIST_WELL, SKIN_LIST_WELL,
                                               Font(13, FW_NORMAL), 1, SKIN_LIST_ROW_H);
    __int64 error = 0;
    for (int i = 0; i < kChannelCount; ++i) {
        const Channel& c = kChannels[i];
        char text[20];
        std::snprintf(text, sizeof text, "%d  %s", c.number, c.name);
        m_channels->SetBitmap(ItemFrames(kRowFaces[c.kind][0], SKIN_LIST_ROW_DISABLED, kRowFaces[c.kind][1]), text,
                              SKIN_COLOR_TEXT, c.number, &error);
    }
    if (!Place(m_channels, plate, kIdChannels, kMargin, kContentY)) return false;

    int track = SKIN_LIST_H - 2 * SKIN_SCROLL_ARROW;
    m_channelBar = MakeBar(plate, kIdChannelBar, kChannelBarX, kContentY, true, SKIN_LIST_H,
                           kChannelCount - kVisibleRows, LineStep(track, kVisibleRows, kChannelCount));
    return m_channelBar != NULL;
}

// Twelve tiles in a window three and a bit tiles wide, and the bar under
// them: one line a tile.
bool ListsPage::BuildTiles(HWND plate) {
    m_tiles = new CDispalyMultiBitmapWindow(Skin(), SKIN_TILE_STRIP, SKIN_TILE_STRIP, SKIN_TILE_STRIP,
                                            Font(12, FW_BOLD), 0, SKIN_TILE_W);
    __int64 error = 0;
    for (int i = 0; i < kCategoryCount; ++i)
        m_tiles->SetBitmap(ItemFrames(kCategories[i].face, SKIN_TILE_DISABLED, kCategories[i].face + 1),
                           (char*)kCategories[i].name, SKIN_COLOR_TEXT, kFirstCategoryID + i, &error);
    if (!Place(m_tiles, plate, kIdTiles, kRightX, kContentY)) return false;

    int track = SKIN_TILE_STRIP_W - 2 * SKIN_SCROLL_ARROW;
    m_tileBar = MakeBar(plate, kIdTileBar, kRightX, kTileBarY, false, SKIN_TILE_STRIP_W,
                        kCategoryCount - kVisibleTiles, LineStep(track, kVisibleTiles, kCategoryCount));
    return m_tileBar != NULL;
}

// A scroll bar `length` long and as thick as its arrows, stepping through
// `lines` lines `lineStep` pixels apart.
CBitmapScrollBarButton* ListsPage::MakeBar(HWND plate, int id, int x, int y, bool vertical, int length, int lines,
                                           int lineStep) {
    BITMAPLISTID bar, dec, inc, counter;
    if (vertical) {
        BITMAPLISTID b = {-1, SKIN_SCROLL_V_TRACK, SKIN_SCROLL_V_TRACK_DISABLED, -1, -1};
        BITMAPLISTID d = {SKIN_SCROLL_UP_REGION, SKIN_SCROLL_UP_NORMAL, SKIN_SCROLL_UP_DISABLED,
                          SKIN_SCROLL_UP_OVER, SKIN_SCROLL_UP_PUSHED};
        BITMAPLISTID n = {SKIN_SCROLL_DOWN_REGION, SKIN_SCROLL_DOWN_NORMAL, SKIN_SCROLL_DOWN_DISABLED,
                          SKIN_SCROLL_DOWN_OVER, SKIN_SCROLL_DOWN_PUSHED};
        BITMAPLISTID c = {-1, SKIN_SCROLL_V_COUNTER, SKIN_SCROLL_V_COUNTER_DISABLED, SKIN_SCROLL_V_COUNTER_OVER,
                          SKIN_SCROLL_V_COUNTER_OVER};
        bar = b, dec = d, inc = n, counter = c;
    } else {
        BITMAPLISTID b = {-1, SKIN_SCROLL_H_TRACK, SKIN_SCROLL_H_TRACK_DISABLED, -1, -1};
        BITMAPLISTID d = {SKIN_SCROLL_LEFT_REGION, SKIN_SCROLL_LEFT_NORMAL, SKIN_SCROLL_LEFT_DISABLED,
                          SKIN_SCROLL_LEFT_OVER, SKIN_SCROLL_LEFT_PUSHED};
        BITMAPLISTID n = {SKIN_SCROLL_RIGHT_REGION, SKIN_SCROLL_RIGHT_NORMAL, SKIN_SCROLL_RIGHT_DISABLED,
                          SKIN_SCROLL_RIGHT_OVER, SKIN_SCROLL_RIGHT_PUSHED};
        BITMAPLISTID c = {-1, SKIN_SCROLL_H_COUNTER, SKIN_SCROLL_H_COUNTER_DISABLED, SKIN_SCROLL_H_COUNTER_OVER,
                          SKIN_SCROLL_H_COUNTER_OVER};
        bar = b, dec = d, inc = n, counter = c;
    }
    CBitmapScrollBarButton* scroll =
        Keep(new CBitmapScrollBarButton(Skin(), bar, dec, inc, counter, SKIN_COLOR_KEY, vertical ? 0 : 1));
    scroll->SetScrollBarLength(DWORD(length), DWORD(lineStep), 0);
    int width = vertical ? SKIN_SCROLL_THICKNESS : length, height = vertical ? length : SKIN_SCROLL_THICKNESS;
    if (!scroll->Create("", WS_CHILD, x, y, width, height, Instance(), plate, id, SKIN_COLOR_KEY, NULL, NULL,
                        NULL, SW_SHOW))
        return NULL;
    scroll->SetLinesNumber(DWORD(lines > 0 ? lines : 0));
    return scroll;
}

CBitmapWindow* ListsPage::ValueLine(HWND plate, int id, int y, const char* text, DWORD colour) {
    CBitmapWindow* line = new CBitmapWindow(Skin(), SKIN_VALUE_WIDE, SKIN_VALUE_WIDE, SKIN_VALUE_WIDE,
                                            Font(12, FW_BOLD), (char*)text, colour, kLeftLine);
    return Place(line, plate, id, kRightX, y) ? line : NULL;
}

std::string ListsPage::SelectChannel(int number) {
    __int64 error = 0;
    m_channels->SetActiveID(number, &error);
    for (int i = 0; i < kChannelCount; ++i)
        if (kChannels[i].number == number) {
            char text[64];
            std::snprintf(text, sizeof text, "Channel   %d  %s", number, kChannels[i].name);
            m_selectedChannel->SetColorText(SKIN_COLOR_TEXT);
            m_selectedChannel->SetBitmapName(text);
            return std::string("channel list  (") + (text + 10) + ")";
        }
    return "channel list";
}

std::string ListsPage::SelectCategory(int id) {
    __int64 error = 0;
    m_tiles->SetActiveID(id, &error);
    int index = id - kFirstCategoryID;
    if (index < 0 || index >= kCategoryCount) return "category tiles";
    m_selectedCategory->SetColorText(SKIN_COLOR_TEXT);
    m_selectedCategory->SetBitmapName(Chars(std::string("Category   ") + kCategories[index].name));
    return std::string("category tiles  (") + kCategories[index].name + ")";
}

// The first steps a user would take: scroll the channel list four rows on
// and the tiles one on, then pick a channel and a category from what is in
// view. A scroll bar places its counter when it first paints and steps only
// from there, so the scrolls wait until the page has been painted; the
// clicks wait until the strips have scrolled.
void ListsPage::Start() {
    s_starting = this;
    m_startStage = 0;
    m_startTimer = SetTimer(NULL, 0, 200, StartLater);
}

void CALLBACK ListsPage::StartLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(NULL, timer);
    ListsPage* page = s_starting;
    if (!page || page->m_startTimer != timer) return;
    page->m_startTimer = 0;
    if (page->m_startStage == 0) {
        page->FirstScrolls();
        page->m_startStage = 1;
        page->m_startTimer = SetTimer(NULL, 0, 200, StartLater);
    } else {
        s_starting = NULL;
        page->FirstClicks();
    }
}

// The bars report each step like after a click on their arrows; a
// disabled bar is left alone.
void ListsPage::FirstScrolls() {
    if (IsWindowEnabled(m_channelBar->GetWindowHandle()))
        for (int i = 0; i < 4; ++i) m_channelBar->Increas();
    if (IsWindowEnabled(m_tileBar->GetWindowHandle())) m_tileBar->Increas();
}

// The third row in view and the second tile, clicked.
void ListsPage::FirstClicks() {
    HWND rows = m_channels->GetWindowHandle(), tiles = m_tiles->GetWindowHandle();
    LPARAM row = MAKELPARAM(40, 2 * SKIN_LIST_ROW_H + SKIN_LIST_ROW_H / 2);
    LPARAM tile = MAKELPARAM(SKIN_TILE_W + 30, SKIN_TILE_H / 2);
    PostMessageA(rows, WM_LBUTTONDOWN, MK_LBUTTON, row);
    PostMessageA(rows, WM_LBUTTONUP, 0, row);
    PostMessageA(tiles, WM_LBUTTONDOWN, MK_LBUTTON, tile);
    PostMessageA(tiles, WM_LBUTTONUP, 0, tile);
}

bool ListsPage::OnCommand(int id, LPARAM value, std::string* description) {
    char text[80];
    int line = value < 0 ? 0 : int(value);
    switch (id) {
    case kIdChannelBar:
        m_channels->SetWindowPosion(line);
        std::snprintf(text, sizeof text, "channel scroll bar  (line %d of %d)", line, kChannelCount - kVisibleRows);
        *description = text;
        return true;
    case kIdTileBar:
        m_tiles->SetWindowPosion(line);
        std::snprintf(text, sizeof text, "category scroll bar  (line %d of %d)", line,
                      kCategoryCount - kVisibleTiles);
        *description = text;
        return true;
    case kIdChannels: *description = SelectChannel(int(value)); return true;
    case kIdTiles: *description = SelectCategory(int(value)); return true;
    default: return false;
    }
}

}  // namespace

Page* NewListsPage(const std::string& skin, HINSTANCE instance) { return new ListsPage(skin, instance); }

}  // namespace gallery
