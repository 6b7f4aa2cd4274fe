# The release archive a Windows user downloads: one ZIP holding the four
# flavours (DLLs and import libraries), the headers, the CMake package, the
# docs and the default skin, laid out as TessaroInstall.cmake describes.
# Made from the x86 build by tools/package.sh, which has built the others:
#   cpack -G ZIP --config build/mingw/CPackConfig.cmake
# The other flavours' trees default to this build's siblings.
set(TESSARO_PACKAGE_MINGW64_BUILD "${PROJECT_BINARY_DIR}/../mingw64" CACHE PATH
    "The x64 MinGW build that the release archive takes")
set(TESSARO_PACKAGE_MSVC_INSTALL "${PROJECT_BINARY_DIR}/../msvc/install" CACHE PATH
    "The install tree of the x86 Microsoft-ABI build")
set(TESSARO_PACKAGE_MSVC64_INSTALL "${PROJECT_BINARY_DIR}/../msvc64/install" CACHE PATH
    "The install tree of the x64 Microsoft-ABI build")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tessaro)
set(CPACK_PACKAGE_VENDOR Tessaro)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bitmap-skinned Win32 window controls")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "Tessaro-${PROJECT_VERSION}-windows")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# Read when cpack runs: every flavour must be there by then.
configure_file(${PROJECT_SOURCE_DIR}/cmake/TessaroPackageFlavours.cmake.in
               ${PROJECT_BINARY_DIR}/TessaroPackageFlavours.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/TessaroPackageFlavours.cmake)
include(CPack)
