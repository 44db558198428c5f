# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building on Debian with its cross compiler and the target's multiarch
# packages (libfoo-dev:arm64 and so on). The including toolchain file sets
# VALBUM_TARGET_TRIPLET, CMAKE_SYSTEM_PROCESSOR and VALBUM_TARGET_EMULATOR.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${VALBUM_TARGET_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${VALBUM_TARGET_TRIPLET}-g++)

# Multiarch libraries share the build machine's / tree, in folders named after
# the triplet (/usr/lib/aarch64-linux-gnu, ...). Libraries, headers and CMake
# packages come from there only; programs from the build machine.
set(CMAKE_LIBRARY_ARCHITECTURE ${VALBUM_TARGET_TRIPLET})
set(CMAKE_FIND_ROOT_PATH /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${VALBUM_TARGET_TRIPLET}/pkgconfig:/usr/share/pkgconfig)

# moc and rcc run on the build machine: Qt takes them from the build
# machine's own Qt (qt6-base-dev), whose tools live in /usr/lib/qt6/libexec.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake)

# Test programs (and gtest_discover_tests, which lists the tests while
# building) run under qemu-user; the target's dynamic loader is installed at
# its usual place by its multiarch libc, so no library prefix is needed.
set(CMAKE_CROSSCOMPILING_EMULATOR ${VALBUM_TARGET_EMULATOR})
