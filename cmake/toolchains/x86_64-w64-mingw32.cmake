# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# 64-bit Windows with MinGW-w64, run under Wine; see cross-from-source.cmake.
# The compiler of the POSIX thread model: GoogleTest needs std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(VALBUM_TARGET_TRIPLET x86_64-w64-mingw32)
set(VALBUM_COMPILER_SUFFIX -posix)
set(CMAKE_RC_COMPILER ${VALBUM_TARGET_TRIPLET}-windres)
set(VALBUM_TARGET_EMULATOR /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/cross-from-source.cmake)
