/* Tessaro text entry: an edit box drawn over a skin frame, with its input
 * method handling. The box keeps its text as UTF-16, takes typed characters
 * and input-method results while the text still fits its width, and gives
 * the text back in the ANSI code page:
 *
 *   CBitmapEditBox name(skin, -1, frame, frame, font, RGB(230, 234, 242),
 *                       DT_LEFT | DT_SINGLELINE);
 *   name.Create("", WS_CHILD, x, y, -1, -1, hInstance, parent, ID_NAME, key,
 *               NULL, NULL, NULL, SW_SHOW);
 *   char text[256] = {0};
 *   name.GetEditBoxText(text, sizeof text - 1);   // no terminator is written */
#ifndef TESSARO_EDIT_H
#define TESSARO_EDIT_H

#include "TessaroControls.h"

/* Type 15. */
class TESSARO_API CBitmapEditBox : public CBitmapWindow {
public:
    CBitmapEditBox(char* bitmapFile, int regionID, int normalID, int disableID, LOGFONTA font, DWORD textColor,
                   UINT format);
    CBitmapEditBox(char* className, char* bitmapFile, int regionID, int normalID, int disableID, LOGFONTA font,
                   DWORD textColor, UINT format);
    /* A copy owns a text buffer of its own and has no window. */
    CBitmapEditBox(const CBitmapEditBox& other);
    CBitmapEditBox& operator=(const CBitmapEditBox& other);
    virtual ~CBitmapEditBox();

    virtual int OnCreate(HWND hwnd, UINT wParam, LPARAM lParam);
    virtual int OnPaint();
    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);
    virtual int OnSetFocus(TESSARO_HANDLE_WPARAM wParam, LPARAM lParam);
    virtual int OnKillFocus(TESSARO_HANDLE_WPARAM wParam, LPARAM lParam);
    virtual int OnChar(UINT wParam, LPARAM lParam);
    virtual int OnKeyDown(UINT wParam, LPARAM lParam);
    virtual int OnKeyUp(UINT wParam, LPARAM lParam);
    virtual LRESULT OnStartComposition(UINT wParam, LPARAM lParam);
    virtual LRESULT OnEndComposition(UINT wParam, LPARAM lParam);
    virtual LRESULT OnComposition(UINT wParam, LPARAM lParam);
    virtual LRESULT OnIMENotify(UINT msg, UINT wParam, LPARAM lParam);
    virtual LRESULT OnInPutLangchange(UINT wParam, LPARAM lParam);
    virtual LRESULT OnSetContext(UINT wParam, LPARAM lParam);
    /* For the host: the next conversion mode of the input method
     * (alphanumeric, native, native katakana). */
    virtual LRESULT OnModeCommand(UINT wParam, LPARAM lParam);

    /* The text in the ANSI code page, without a terminator; the number of
     * bytes written, 0 when the buffer is too small or there is no text
     * buffer yet. */
    DWORD GetEditBoxText(char* buffer, int bufferSize);

protected:
    int CountMaximLine();
    void SetNewSizeLineBufer(DWORD size);
    int SetChInEndBufer(WORD ch);
    int SetChInBufer(WORD ch);
    int DeleteChInBufer();
    int BackSpes();

    DWORD m_dwImeProperty;
    POINT m_ptImePos;
    int m_nCompStrLen;
    int m_nResultStrLen;
    wchar_t m_szCompStr[512];
    wchar_t m_szResultStr[512];
    int m_bCandidateList;
    HGLOBAL m_hCandidateList;
    int m_nBkMode;
    wchar_t* m_pwszBuffer;
    DWORD m_dwBufferSize;
    int m_nCaretX;
    int m_nCaretLine;
    int m_nMaxLines;
    int m_nLineWidth;
    int m_nCharWidth;
    int m_nCharHeight;
    int m_nClientWidth;
    int m_nClientHeight;
    DWORD m_dwTextLength;
    DWORD m_dwLastLine;
    DWORD m_dwCaretIndex;

private:
    void InitEditBox();
    void CopyEditBoxFrom(const CBitmapEditBox& other);
    int EnterCharacter(WORD ch);
    int MakeRoomForOneMore();
    int Fits(WORD ch, int* width);
    HFONT Font();
    int CharWidth(WORD ch);
    int TextWidth(const wchar_t* text, DWORD length);
    void PlaceCaret();
    void RestoreShownComposition();
    void ShowComposition();
    void EnterResult();

    /* A DBCS lead byte typed as WM_CHAR, waiting for its trail byte. */
    BYTE m_bLeadByte;
    /* A composition character shown in the text (at m_dwShownIndex) and the
     * unit it covers there, put back before the text changes. */
    int m_bShowingComposition;
    DWORD m_dwShownIndex;
    wchar_t m_wcCovered;
    /* The font made from m_LogFont, and the LOGFONT it was made from. */
    HFONT m_hFont;
    LOGFONTA m_FontMadeFrom;
};

#endif
