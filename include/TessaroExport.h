/* Export and import of the Tessaro classes.
 *
 * A host includes <Tessaro.h> (or one subsystem header) and links the import
 * library; the classes then come from Tessaro.dll. The library's own build
 * defines TESSARO_BUILD so the same declarations export them. */
#ifndef TESSARO_EXPORT_H
#define TESSARO_EXPORT_H

#ifdef TESSARO_BUILD
#define TESSARO_API __declspec(dllexport)
#else
#define TESSARO_API __declspec(dllimport)
#endif

#endif
