# shellcheck shell=bash
# Sourced by the scripts that run the program under Wine: which cross build they
# run and in which kind of prefix. The program ships as a 32-bit one and runs so
# wherever this kernel runs 32-bit code. A kernel without it (ia32 emulation off,
# as on some virtual machines) runs no 32-bit Wine at all; there the 64-bit build
# of the same sources runs in a 64-bit prefix, through Wine's 64-bit loader.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WINE_TARGET_ARCH=win32
    WINE_TARGET_TOOLCHAIN=cmake/mingw-i686.cmake
else
    WINE_TARGET_ARCH=win64
    WINE_TARGET_TOOLCHAIN=cmake/mingw-x86_64.cmake
    echo "note: this kernel runs no 32-bit programs; Wine runs the 64-bit build of the same sources" >&2
fi
export E2E_WINEARCH=$WINE_TARGET_ARCH
