/* Tessaro sliders and bars: the slider bar (a track drawn from a start
 * corner, a tiled middle piece and an end corner), its thumb, the
 * progressive bar (a track with a progress fill) and the volume control.
 *
 * A bar reports positions 0..slide length to its parent with
 * WM_COMMAND(id, position). The thumb is a CBitmapSlider that the host
 * creates as the bar's first child window; without one, the click point on
 * the bar gives the position:
 *
 *   CBitmapProgressiveSliderBar bar(skin, region, normal, disabled, progress, 1);
 *   bar.Create("", WS_CHILD, 20, 20, -1, -1, hInstance, parent, ID_SEEK, key,
 *              NULL, NULL, NULL, SW_SHOW);
 *   CBitmapSlider thumb(skin, thumbRegion, thumbNormal, thumbDisabled, thumbOver, thumbPushed);
 *   thumb.Create("", WS_CHILD, 0, 0, -1, -1, hInstance, bar.GetWindowHandle(), 0, key,
 *                NULL, NULL, NULL, SW_SHOW);
 *   // on WM_COMMAND(ID_SEEK, position): bar.SetPosition(position) moves the thumb there */
#ifndef TESSARO_SLIDERS_H
#define TESSARO_SLIDERS_H

#include "TessaroControls.h"

/* The track of a slider, horizontal (orientation 1, left to right) or
 * vertical (0, top to bottom). Type 7. */
class TESSARO_API CBitmapSliderBar : public CBitmapWindow {
public:
    CBitmapSliderBar();
    /* No corners (all -1): the middle piece fills the bar. */
    CBitmapSliderBar(char* bitmapFile, int regionID, int normalID, int disableID, int orientation);
    CBitmapSliderBar(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                     int orientation);
    /* Corners with end cuts: the window's size comes from Create's arguments
     * and its outline from the start and end region frames. */
    CBitmapSliderBar(char* bitmapFile, int normalID, int disableID, int startRegionID, int startNormalID,
                     int startDisableID, int endRegionID, int endNormalID, int endDisableID, DWORD crTransparent,
                     int orientation);
    CBitmapSliderBar(char* className, char* bitmapFile, int normalID, int disableID, int startRegionID,
                     int startNormalID, int startDisableID, int endRegionID, int endNormalID, int endDisableID,
                     DWORD crTransparent, int orientation);
    CBitmapSliderBar(const CBitmapSliderBar& other);
    CBitmapSliderBar& operator=(const CBitmapSliderBar& other);
    virtual ~CBitmapSliderBar();

    virtual int Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                       HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD crTransparent,
                       HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow);
    virtual int OnCreate(HWND hwnd, UINT wParam, LPARAM lParam);
    virtual int OnPaint();
    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);

    /* Clamps `proposed` (a thumb rectangle in the bar's coordinates) to the
     * bar, turns it into a position and reports it. 1 when reported. */
    virtual int HorizontalSliderBarNotifyMoving(RECT* current, RECT* proposed);
    virtual int VerticalSliderBarNotifyMoving(RECT* current, RECT* proposed);
    virtual int DrawLeftCorner(HDC hdc);
    virtual int DrawRightCorner(HDC hdc);
    virtual int DrawHorizontalBar(HDC hdc);
    virtual int DrawTopCorner(HDC hdc);
    virtual int DrawBottomCorner(HDC hdc);
    virtual int DrawVerticalBar(HDC hdc);
    /* Cuts the transparent pixels of the start and end region frames out of
     * the window's outline. */
    virtual int SetHorizontalRegion();
    virtual int SetVerticalRegion();

    /* The horizontal computation unless the orientation is 0. */
    int NotifyMoving(RECT* current, RECT* proposed);
    /* Positions run 0..length; lengths below 100 give 100. */
    void SetSlideLength(DWORD length);

protected:
    int m_nOrientation;
    int m_nStartRegionID;
    int m_nStartNormalID;
    int m_nStartDisableID;
    int m_nEndRegionID;
    int m_nEndNormalID;
    int m_nEndDisableID;
    DWORD m_dwSlideLength;
    int m_bCaptured;
    DWORD m_dwPosition;
    DWORD m_dwPrgPosition;

    /* Shared with the progressive bar. */
    int IsHorizontal() const { return m_nOrientation == 1; }
    /* The thumb (the first child window), or null. */
    HWND Thumb() const;
    int StartPiece() const;
    int EndPiece() const;
    /* Reports the point of a press or drag on a bar without a thumb. */
    int ReportPoint(LPARAM lParam);

private:
    void InitSliderBar(int orientation, int startRegionID, int startNormalID, int startDisableID,
                       int endRegionID, int endNormalID, int endDisableID);
    void CopySliderBarFrom(const CBitmapSliderBar& other);
    int CutEnds(bool horizontal);
    int NotifyMovingAlong(bool horizontal, RECT* current, RECT* proposed);
    int DrawStartPiece(HDC hdc);
    int DrawEndPiece(HDC hdc, bool horizontal);
    int DrawMiddle(HDC hdc, bool horizontal);
};

/* The thumb of a slider bar, created by the host as the bar's first child.
 * Dragging it reports positions through the bar; it does not move itself.
 * Type 6. */
class TESSARO_API CBitmapSlider : public CBitmapButton {
public:
    CBitmapSlider(char* bitmapFile, int regionID, int normalID, int disableID, int mouseOverID, int pushedID);
    CBitmapSlider(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                  int mouseOverID, int pushedID);
    CBitmapSlider(const CBitmapSlider& other);
    CBitmapSlider& operator=(const CBitmapSlider& other);
    virtual ~CBitmapSlider();

    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);
    /* Hands the proposed rectangle to the bar; 0 when the parent is not a
     * slider bar of this library. */
    virtual int OnMoving(UINT wParam, LPARAM lParam);

protected:
    int m_nAnchorX;
    int m_nAnchorY;
    int m_bSliding;
};

/* A slider bar with a progress fill from its start: each track piece has a
 * progress frame drawn before the progress edge. The bar places its thumb
 * itself (SetPosition). Type 7. */
class TESSARO_API CBitmapProgressiveSliderBar : public CBitmapSliderBar {
public:
    CBitmapProgressiveSliderBar();
    CBitmapProgressiveSliderBar(char* bitmapFile, int regionID, int normalID, int disableID, int prgNormalID,
                                int orientation);
    CBitmapProgressiveSliderBar(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                                int prgNormalID, int orientation);
    CBitmapProgressiveSliderBar(char* bitmapFile, int normalID, int disableID, int prgNormalID, int startRegionID,
                                int startNormalID, int startDisableID, int prgStartNormalID, int endRegionID,
                                int endNormalID, int endDisableID, int prgEndNormalID, DWORD crTransparent,
                                int orientation);
    CBitmapProgressiveSliderBar(char* className, char* bitmapFile, int normalID, int disableID, int prgNormalID,
                                int startRegionID, int startNormalID, int startDisableID, int prgStartNormalID,
                                int endRegionID, int endNormalID, int endDisableID, int prgEndNormalID,
                                DWORD crTransparent, int orientation);
    CBitmapProgressiveSliderBar(const CBitmapProgressiveSliderBar& other);
    CBitmapProgressiveSliderBar& operator=(const CBitmapProgressiveSliderBar& other);
    virtual ~CBitmapProgressiveSliderBar();

    virtual int DrawLeftCorner(HDC hdc);
    virtual int DrawRightCorner(HDC hdc);
    virtual int DrawHorizontalBar(HDC hdc);
    virtual int DrawTopCorner(HDC hdc);
    virtual int DrawBottomCorner(HDC hdc);
    virtual int DrawVerticalBar(HDC hdc);

    /* Stores the position and moves the thumb there; 0 (nothing changed)
     * above the slide length. Nothing is reported. */
    int SetPosition(DWORD position);
    /* Stores the progress and repaints; 0 above the slide length. */
    int SetPrgPosition(DWORD prgPosition);
    /* The last position set or reported by a drag; returns 1. */
    int GetPosition(DWORD* position);
    DWORD GetMaxLength();

protected:
    int m_nPrgNormalID;
    int m_nPrgStartNormalID;
    int m_nPrgEndNormalID;

private:
    int ProgressEdge(bool corner, bool horizontal) const;
    int DrawProgressStart(HDC hdc, bool horizontal);
    int DrawProgressEnd(HDC hdc, bool horizontal);
    int DrawProgressMiddle(HDC hdc, bool horizontal);
};

/* A line-stepping scroll bar: two arrow buttons (child windows the bar makes
 * in its creation, ids 0 and 1) at the ends of a tiled track, and a counter
 * (scroll box) the bar draws itself. It posts WM_COMMAND(id, line) after
 * every step. Call SetScrollBarLength before Create, SetLinesNumber after.
 * Type 8. */
class TESSARO_API CBitmapScrollBarButton : public CBitmapWindow {
public:
    CBitmapScrollBarButton();
    /* Arrows and counter without frames. */
    CBitmapScrollBarButton(char* bitmapFile, int regionID, int normalID, int disableID, int orientation);
    CBitmapScrollBarButton(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                           int orientation);
    /* barIds: the outline, track tile and disabled tile; decIds and incIds:
     * the five frames of each arrow; counterIds: the counter's frames
     * (normal, disabled and mouse-over are drawn). */
    CBitmapScrollBarButton(char* bitmapFile, BITMAPLISTID barIds, BITMAPLISTID decIds, BITMAPLISTID incIds,
                           BITMAPLISTID counterIds, DWORD crTransparent, int orientation);
    CBitmapScrollBarButton(char* className, char* bitmapFile, BITMAPLISTID barIds, BITMAPLISTID decIds,
                           BITMAPLISTID incIds, BITMAPLISTID counterIds, DWORD crTransparent, int orientation);
    /* A copy owns arrows of its own, made from the same frames, without windows. */
    CBitmapScrollBarButton(const CBitmapScrollBarButton& other);
    CBitmapScrollBarButton& operator=(const CBitmapScrollBarButton& other);
    virtual ~CBitmapScrollBarButton();

    virtual int Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                       HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD crTransparent,
                       HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow);
    virtual int OnCreate(HWND hwnd, UINT wParam, LPARAM lParam);
    virtual int OnPaint();
    /* The arrows' reports: id 0 steps back, id 1 forward. */
    virtual int OnCommand(UINT wParam, LPARAM lParam);
    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);

    /* A thumb rectangle's centre as a share of the bar's length; nothing in
     * the library calls them. 0 is reported without free travel. */
    virtual int HorizontalSliderBarNotifyMoving(RECT* current, RECT* proposed);
    virtual int VerticalSliderBarNotifyMoving(RECT* current, RECT* proposed);
    virtual int DrawHorizontalBar(HDC hdc);
    virtual int DrawVerticalBar(HDC hdc);
    virtual int DrawCunterButton(HDC hdc);
    virtual int SetHorizontalRegion();
    virtual int SetVerticalRegion();

    /* The bar's length along its axis (0: the window's), the pixels one line
     * moves the counter (0 gives 1), and a length kept for callers. */
    void SetScrollBarLength(DWORD length, DWORD lineStep, DWORD extra);
    /* Sizes the counter for `lines` lines; 0 before the arrows have windows. */
    int SetLinesNumber(DWORD lines);
    /* One line forward / back, reported to the parent; return 1. */
    int Increas();
    int Decreas();

protected:
    /* Places the far arrow and works out the track. */
    int SetButtonPosion(int width, int height);

    CBitmapButton* m_pDecButton;
    CBitmapButton* m_pIncButton;
    RECT m_rcTrack;
    int m_nCounterRegionID;
    int m_nCounterNormalID;
    int m_nCounterDisableID;
    int m_nCounterMouseOverID;
    int m_nCounterPushedID;
    int m_nCounterCurrentID;
    /* left, top, width, height */
    RECT m_rcCounter;
    DWORD m_dwLine;
    DWORD m_dwLinesNumber;
    int m_nCounterLength;
    DWORD m_dwScrollBarLength;
    DWORD m_dwLineStep;
    DWORD m_dwExtraLength;
    int m_nOrientation;
    int m_nLastDragPos;

private:
    void InitScrollBar(int orientation, const BITMAPLISTID* counterIds);
    void MakeArrows(const BITMAPLISTID* decIds, const BITMAPLISTID* incIds);
    void CopyScrollBarFrom(const CBitmapScrollBarButton& other);
    void DeleteArrows();
    int CutArrows();
    int DrawTrack(HDC hdc, bool horizontal);
    int InCounter(int x, int y) const;
    void Report();
    int NotifyMovingAlong(bool horizontal, RECT* current, RECT* proposed);
};

/* A vertical level control 60 pixels tall: lit below the level line, empty
 * above. Pressing and dragging sets the level and reports
 * WM_COMMAND(id, value) with values 0..max - min. */
class TESSARO_API CBitmapVolume : public CBitmapWindow {
public:
    CBitmapVolume();
    CBitmapVolume(char* bitmapFile, int regionID, int normalID, int disableID);
    CBitmapVolume(char* className, char* bitmapFile, int regionID, int normalID, int disableID);
    CBitmapVolume(const CBitmapVolume& other);
    CBitmapVolume& operator=(const CBitmapVolume& other);
    virtual ~CBitmapVolume();

    virtual int OnPaint();
    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);
    virtual int OnMoving(UINT wParam, LPARAM lParam);

    /* The value range; nothing is redrawn or reported. */
    virtual void SetVolumeInit(int minVolume, int maxVolume);
    /* Sets the level (volumes above the maximum are cut) and repaints;
     * nothing is reported. */
    virtual void SetVolume(int volume);

    /* Draws the empty image above the level line and the lit one below;
     * returns 0. */
    int DrawVolume(HDC hdc, int litID, int emptyID);

protected:
    int m_nPressX;
    int m_nLevelY;
    int m_nLevel;
    int m_nMaxVolume;
    int m_nMinVolume;
    int m_bAdjusting;

private:
    void InitVolume();
    void CopyVolumeFrom(const CBitmapVolume& other);
    void ReportLevel();
};

#endif
