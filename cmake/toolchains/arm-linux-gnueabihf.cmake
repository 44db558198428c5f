# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# 32-bit ARM with hardware floating point, run under qemu-user; see
# cross-from-source.cmake.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(VALBUM_TARGET_TRIPLET arm-linux-gnueabihf)
set(VALBUM_COMPILER_SUFFIX "")
set(VALBUM_TARGET_EMULATOR qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/cross-from-source.cmake)
