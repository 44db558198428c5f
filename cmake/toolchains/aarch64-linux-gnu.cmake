# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# 64-bit ARM, run under qemu-user; see cross-from-source.cmake.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(VALBUM_TARGET_TRIPLET aarch64-linux-gnu)
set(VALBUM_COMPILER_SUFFIX "")
set(VALBUM_TARGET_EMULATOR qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/cross-from-source.cmake)
