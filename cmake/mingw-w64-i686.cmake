# Cross-build for 32-bit Windows with Debian's mingw-w64 (posix threads flavour): the
# package for machines whose MAPI libraries are 32-bit, since an in-process COM server
# only loads into a process of its own bitness.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-posix.cmake)
