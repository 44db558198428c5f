# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What libde265 1.0.11's configure checks find under Debian's emscripten
# 3.1.6, seeded into its CMake cache as for libtiff (see tiff.cmake): the
# thread functions in the libc (stubs there: it is asked to start no
# threads), malloc.h and posix_memalign.
set(CMAKE_HAVE_LIBC_PTHREAD "1" CACHE INTERNAL "")
set(HAVE_MALLOC_H "1" CACHE INTERNAL "")
set(HAVE_POSIX_MEMALIGN "1" CACHE INTERNAL "")
