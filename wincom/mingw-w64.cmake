# Cross-compiling for 64-bit Windows with Debian's mingw-w64, as the program's
# Windows build does, but everything linked statically: the COM client's
# tests then run under Wine with no MinGW runtime DLLs beside them.
include(${CMAKE_CURRENT_LIST_DIR}/../tools/windows/mingw-w64.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
