# Installs Tessaro as a CMake package that a host finds with
#   find_package(Tessaro REQUIRED)
#   target_link_libraries(host PRIVATE Tessaro::Tessaro)
#   tessaro_copy_runtime(host)        # Tessaro.dll and Pixorel.dll next to the host
#
# One prefix holds every flavour; each build installs its own folders, and
# the package picks the one that fits the host (TessaroConfig.cmake):
#   include/                          the public headers (Tessaro.h, ...)
#   bin/mingw/   lib/mingw/           x86, MinGW-w64 (this CMake build, 32-bit)
#   bin/mingw64/ lib/mingw64/         x64, MinGW-w64 (this CMake build, 64-bit)
#   bin/msvc/    lib/msvc/            x86, Microsoft C++ ABI (msvc/Makefile)
#   bin/msvc64/  lib/msvc64/          x64, Microsoft C++ ABI (msvc/Makefile)
#   lib/cmake/Tessaro/                the package files
#   share/Tessaro/skins/default/      the default skin (default.tsk, DefaultSkin.h, README.md)
#   share/doc/Tessaro/                the host guide, the skin format, Visual Studio use
#
# Included from the top-level CMakeLists.txt after the Tessaro and Pixorel
# targets exist; TESSARO_FLAVOUR_DIR names this build's folders.
include(CMakePackageConfigHelpers)

install(TARGETS Tessaro Pixorel
  RUNTIME DESTINATION bin/${TESSARO_FLAVOUR_DIR}
  LIBRARY DESTINATION bin/${TESSARO_FLAVOUR_DIR}
  ARCHIVE DESTINATION lib/${TESSARO_FLAVOUR_DIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ DESTINATION include FILES_MATCHING PATTERN "*.h")

install(FILES
  ${PROJECT_SOURCE_DIR}/skins/default/default.tsk
  ${PROJECT_SOURCE_DIR}/skins/default/DefaultSkin.h
  ${PROJECT_SOURCE_DIR}/skins/default/README.md
  DESTINATION share/Tessaro/skins/default)

install(FILES
  ${PROJECT_SOURCE_DIR}/docs/host-guide.md
  ${PROJECT_SOURCE_DIR}/docs/skin-format.md
  ${PROJECT_SOURCE_DIR}/docs/visual-studio.md
  DESTINATION share/doc/Tessaro)

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/TessaroConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TessaroConfig.cmake
  INSTALL_DESTINATION lib/cmake/Tessaro)
# No architecture in the version check: the package serves 32- and 64-bit
# hosts, and TessaroConfig.cmake says when the host's flavour is missing.
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/TessaroConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion
  ARCH_INDEPENDENT)
install(FILES
  ${PROJECT_BINARY_DIR}/TessaroConfig.cmake
  ${PROJECT_BINARY_DIR}/TessaroConfigVersion.cmake
  DESTINATION lib/cmake/Tessaro)
