# Builds the web page with Debian's emscripten (the web preset): emscripten's own toolchain file, as
# emcmake passes it, stand-ins for what its libc++ 14 lacks of the C++20 the core uses, and a
# Release built for speed with link-time optimisation (web/ builds the checker for size). An -Oz
# anywhere on the link line would make emcc optimise the whole module for size.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# CMake reads a toolchain file more than once.
if(NOT CMAKE_CXX_FLAGS_INIT MATCHES "libcxx14_stand_ins")
  string(APPEND CMAKE_CXX_FLAGS_INIT " -include ${CMAKE_CURRENT_LIST_DIR}/emscripten/libcxx14_stand_ins.h")
endif()
set(CMAKE_CXX_FLAGS_RELEASE "-O3 -flto -DNDEBUG" CACHE STRING "Flags of the Release build")
