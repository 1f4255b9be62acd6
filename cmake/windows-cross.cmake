# What the Windows cross build (cmake/mingw-w64-x86_64.cmake) needs beyond the
# native one. Included by the top CMakeLists.txt when cross-compiling.

# No Windows Qt or benchmark library on this machine.
set(ORVPAK_GUI OFF)
set(ORVPAK_BENCH OFF)

# One self-contained .exe each: no MinGW runtime DLLs to hunt for under Wine.
add_link_options(-static -static-libgcc -static-libstdc++)
# Large test sources exceed the section limit of the default COFF objects.
add_compile_options(-Wa,-mbig-obj)
# The wide-character API and no min/max macros from <windows.h>.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)

if(ORVPAK_TESTS)
  # GoogleTest from Debian's sources, built with the cross compiler.
  set(ORV_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ORV_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Test lists are read when CTest runs, through Wine, not after every link.
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
endif()

# CLI11 is header-only; the target sees its folder alone, not the host's
# /usr/include, whose C library headers would shadow MinGW's.
set(ORV_CLI11_INCLUDE /usr/include/CLI CACHE PATH "CLI11 headers")
set(_orv_cross_dir ${CMAKE_BINARY_DIR}/cross)
file(MAKE_DIRECTORY ${_orv_cross_dir}/include)
file(CREATE_LINK ${ORV_CLI11_INCLUDE} ${_orv_cross_dir}/include/CLI SYMBOLIC)
file(WRITE ${_orv_cross_dir}/CLI11Config.cmake
  "if(NOT TARGET CLI11::CLI11)\n"
  "  add_library(CLI11::CLI11 INTERFACE IMPORTED)\n"
  "  set_target_properties(CLI11::CLI11 PROPERTIES\n"
  "    INTERFACE_INCLUDE_DIRECTORIES \"${_orv_cross_dir}/include\")\n"
  "endif()\n")
set(CLI11_DIR ${_orv_cross_dir} CACHE PATH "" FORCE)
