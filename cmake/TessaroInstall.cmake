# Installs Tessaro as a CMake package that a host finds with
#   find_package(Tessaro REQUIRED)
#   target_link_libraries(host PRIVATE Tessaro::Tessaro)
#   tessaro_copy_runtime(host)        # Tessaro.dll and Pixorel.dll next to the host
#
# Layout under the install prefix:
#   include/                          the public headers (Tessaro.h, ...)
#   lib/mingw/Tessaro.lib             the import library
#   bin/mingw/Tessaro.dll, Pixorel.dll
#   lib/cmake/Tessaro/                the package files
#   share/Tessaro/skins/default/      the default skin (default.tsk, DefaultSkin.h, README.md)
#
# Included from the top-level CMakeLists.txt after the Tessaro and Pixorel
# targets exist.
include(CMakePackageConfigHelpers)

set(TESSARO_INSTALL_BINDIR bin/mingw)
set(TESSARO_INSTALL_LIBDIR lib/mingw)
set(TESSARO_INSTALL_INCLUDEDIR include)
set(TESSARO_INSTALL_CMAKEDIR lib/cmake/Tessaro)
set(TESSARO_INSTALL_SKINDIR share/Tessaro/skins/default)

# Tessaro.dll loads Pixorel.dll, so the package carries both; Pixorel is
# exported as Tessaro::Pixorel (hosts never link it themselves, but CMake
# then knows it is a runtime dependency of Tessaro::Tessaro). Its headers are
# the library's own business: they stay out of the package.
set_property(TARGET Pixorel PROPERTY INTERFACE_INCLUDE_DIRECTORIES
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/pixorel>)

install(TARGETS Tessaro Pixorel EXPORT TessaroTargets
  RUNTIME DESTINATION ${TESSARO_INSTALL_BINDIR}
  LIBRARY DESTINATION ${TESSARO_INSTALL_BINDIR}
  ARCHIVE DESTINATION ${TESSARO_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${TESSARO_INSTALL_INCLUDEDIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ DESTINATION ${TESSARO_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")

install(FILES
  ${PROJECT_SOURCE_DIR}/skins/default/default.tsk
  ${PROJECT_SOURCE_DIR}/skins/default/DefaultSkin.h
  ${PROJECT_SOURCE_DIR}/skins/default/README.md
  DESTINATION ${TESSARO_INSTALL_SKINDIR})

install(EXPORT TessaroTargets
  NAMESPACE Tessaro::
  FILE TessaroTargets.cmake
  DESTINATION ${TESSARO_INSTALL_CMAKEDIR})

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/TessaroConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TessaroConfig.cmake
  INSTALL_DESTINATION ${TESSARO_INSTALL_CMAKEDIR}
  PATH_VARS TESSARO_INSTALL_BINDIR TESSARO_INSTALL_INCLUDEDIR TESSARO_INSTALL_SKINDIR)
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/TessaroConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/TessaroConfig.cmake
  ${PROJECT_BINARY_DIR}/TessaroConfigVersion.cmake
  DESTINATION ${TESSARO_INSTALL_CMAKEDIR})
