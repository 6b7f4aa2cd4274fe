// The arithmetic that sliders share: positions and lengths scaled in double
// precision and truncated toward zero.
#ifndef TESSARO_SLIDERS_SCALE_H
#define TESSARO_SLIDERS_SCALE_H

#include <windows.h>

// The position of a thumb `offset` pixels along a free travel of `travel`
// pixels, on a scale of 0..`slideLength`: offset ÷ travel × length, division
// first. Without free travel (a thumb as long as its bar, or longer) there is
// nothing to divide: 0. The result stays within 0..slideLength.
inline DWORD PositionAlong(int offset, int travel, DWORD slideLength) {
    if (travel <= 0 || offset <= 0) return 0;
    double position = (double)offset / (double)travel * (double)slideLength;
    if (position >= (double)slideLength) return slideLength;
    return (DWORD)position;
}

// A length scaled by value ÷ range (value ≤ range), truncated toward zero:
// where a thumb or a progress edge stands for a position.
inline int LengthAt(DWORD value, DWORD range, int length) {
    if (range == 0) return 0;
    return (int)((double)length * ((double)value / (double)range));
}

// Keeps a thumb rectangle `proposed` on the line of `current` (its cross
// position) and inside a bar `length` pixels long along the axis. Returns
// the thumb's length along the axis; its start is then proposed's left
// (horizontal) or top.
inline int KeepThumbOnBar(bool horizontal, const RECT& current, RECT* proposed, int length) {
    int thumb = horizontal ? current.right - current.left : current.bottom - current.top;
    LONG* start = horizontal ? &proposed->left : &proposed->top;
    LONG* end = horizontal ? &proposed->right : &proposed->bottom;
    if (horizontal) {
        proposed->top = current.top;
        proposed->bottom = current.bottom;
    } else {
        proposed->left = current.left;
        proposed->right = current.right;
    }
    if (*start < 0) {
        *start = 0;
        *end = thumb;
    } else if (*end > length) {
        *end = length;
        *start = length - thumb;
    }
    return thumb;
}

#endif
