/* Tessaro: bitmap-skinned window controls for Win32 hosts.
 * Include this header for every subsystem, or one subsystem header alone. */
#ifndef TESSARO_H
#define TESSARO_H

#include "TessaroCore.h"
#include "TessaroControls.h"
#include "TessaroViews.h"
#include "TessaroSliders.h"
#include "TessaroLists.h"
#include "TessaroEdit.h"
#include "TessaroFrames.h"
#include "TessaroVersion.h"

#endif
