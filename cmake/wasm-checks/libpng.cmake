# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What libpng 1.6.39's one configure check finds under Debian's emscripten
# 3.1.6, seeded into its CMake cache as for libtiff (see tiff.cmake): the
# linker takes version scripts.
set(HAVE_LD_VERSION_SCRIPT "1" CACHE INTERNAL "")
