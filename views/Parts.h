// What the indicator views share: driving their part windows.
#ifndef TESSARO_VIEWS_PARTS_H
#define TESSARO_VIEWS_PARTS_H

#include "TessaroViews.h"
#include "Text.h"

// Activates an item of a part. A view tells its parts what to show and does
// not report a miss: an ID the part does not hold leaves the part unchanged.
inline void ShowItem(CMultiBitmapWindow& part, int itemID) {
    __int64 dropped = 0;
    part.SetActiveBitmapID(itemID, &dropped);
}

// The same for a button part; state 1 shows the item's disabled frame.
inline void ShowItem(CMultiBitmapButton& part, int itemID, int state) {
    __int64 dropped = 0;
    part.SetActiveBitmapID(itemID, state, &dropped);
}

#endif
