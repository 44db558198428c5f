# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building the portable core (codec and album) with a Debian cross
# compiler of the build machine's own architecture. The libraries it links,
# LZO and GoogleTest, are built from their sources into VALBUM_CROSS_PREFIX
# by scripts/cross-test.sh, so no package of the target's architecture is
# needed. The including toolchain file sets CMAKE_SYSTEM_NAME,
# CMAKE_SYSTEM_PROCESSOR, VALBUM_TARGET_TRIPLET, VALBUM_COMPILER_SUFFIX and
# VALBUM_TARGET_EMULATOR.
set(CMAKE_C_COMPILER ${VALBUM_TARGET_TRIPLET}-gcc${VALBUM_COMPILER_SUFFIX})
set(CMAKE_CXX_COMPILER ${VALBUM_TARGET_TRIPLET}-g++${VALBUM_COMPILER_SUFFIX})

# try_compile projects read this file again: hand them the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VALBUM_CROSS_PREFIX)
if(NOT VALBUM_CROSS_PREFIX)
  message(FATAL_ERROR "Set VALBUM_CROSS_PREFIX to the folder the target's LZO and GoogleTest are installed in")
endif()

# Libraries, headers and CMake packages come from the prefix only, programs
# from the build machine.
set(CMAKE_FIND_ROOT_PATH ${VALBUM_CROSS_PREFIX})
set(CMAKE_PREFIX_PATH ${VALBUM_CROSS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} ${VALBUM_CROSS_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# Static programs need no target libraries at run time: qemu-user runs them
# without the target's C library installed, and Wine without MinGW's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

set(CMAKE_CROSSCOMPILING_EMULATOR ${VALBUM_TARGET_EMULATOR})
