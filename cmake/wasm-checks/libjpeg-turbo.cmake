# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What libjpeg-turbo 2.1.5's configure checks find under Debian's emscripten
# 3.1.6, seeded into its CMake cache as for libtiff (see tiff.cmake): the
# headers its type-size checks look for (the sizes themselves are set in
# scripts/wasm-libraries.sh), __builtin_ctzl, inline, and the linker's
# version scripts.
set(HAVE_SYS_TYPES_H "1" CACHE INTERNAL "")
set(HAVE_STDINT_H "1" CACHE INTERNAL "")
set(HAVE_STDDEF_H "1" CACHE INTERNAL "")
set(HAVE_BUILTIN_CTZL "1" CACHE INTERNAL "")
set(INLINE_WORKS "1" CACHE INTERNAL "")
set(HAVE_VERSION_SCRIPT "1" CACHE INTERNAL "")
