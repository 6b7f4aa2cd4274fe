/* Tessaro's version: the one place it is written. The build reads it for the
 * CMake package and for the version resource of every DLL, so Explorer and
 * installers show which Tessaro a program carries; a host may compare it with
 * the version of the DLL it finds at run time (GetFileVersionInfo). */
#ifndef TESSARO_VERSION_H
#define TESSARO_VERSION_H

#define TESSARO_VERSION_MAJOR 0
#define TESSARO_VERSION_MINOR 2
#define TESSARO_VERSION_PATCH 0

#define TESSARO_VERSION_STRING "0.2.0" /* the three numbers above */

#endif
