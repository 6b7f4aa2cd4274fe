/* Pixorel: the bitmap reader that Tessaro draws its skins through.
 *
 *   DWORD r = InitReader("skin.tsk");           // 0: the file cannot be read
 *   HBITMAP b = CreateBitmapHandle(dc, r, 3);   // image 3, compatible with dc
 *   ...select b into a memory DC, BitBlt, GetPixel...
 *   ReleaseBitmapHandle(b);
 *   UnInitReader(r);
 *
 * Images are numbered from 1; index 0 and negative indices name no image.
 * A plain .bmp file is a skin that holds one image, number 1. The skin
 * container is described in docs/skin-format.md. All functions use the C
 * calling convention and are exported by their plain names. */
#ifndef PIXOREL_H
#define PIXOREL_H

#include <windows.h>

#ifdef PIXOREL_BUILD
#define PIXOREL_API __declspec(dllexport)
#else
#define PIXOREL_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opens a skin file. Returns an opaque reader handle, 0 when the file cannot
 * be read or is not a skin. */
PIXOREL_API DWORD __cdecl InitReader(const char* path);

/* Decodes image `index` of the reader into a bitmap compatible with `dc`.
 * Returns 0 when the reader has no such image or the image is malformed. */
PIXOREL_API HBITMAP __cdecl CreateBitmapHandle(HDC dc, DWORD reader, int index);

/* Deletes a bitmap made by CreateBitmapHandle (it must be selected out of
 * every DC first). Returns 1, or 0 for a handle this reader did not make. */
PIXOREL_API int __cdecl ReleaseBitmapHandle(HBITMAP bitmap);

/* Closes a reader. Returns 1, or 0 for a handle that is not an open reader. */
PIXOREL_API int __cdecl UnInitReader(DWORD reader);

/* Test support: how many readers and bitmaps are open right now. */
PIXOREL_API void __cdecl PixorelOpenCounts(int* readers, int* bitmaps);

/* Test support: forgets the decoded images, the known files and the pooled
 * bitmaps, and frees the handle tables when they are empty, so that a reader
 * at rest holds no heap block or GDI object. */
PIXOREL_API void __cdecl PixorelDropCaches(void);

#ifdef __cplusplus
}
#endif

#endif
