# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# WebAssembly with Debian's emscripten, the tests run under Node
# (scripts/wasm-test.sh). Its system-library cache is frozen, so the target's
# LZO and GoogleTest are built from source into VALBUM_CROSS_PREFIX, as for
# the other cross targets.
execute_process(COMMAND em-config EMSCRIPTEN_ROOT OUTPUT_VARIABLE emscripten_root OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
include(${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VALBUM_CROSS_PREFIX VALBUM_WEB_CORE)
if(NOT VALBUM_CROSS_PREFIX)
  message(FATAL_ERROR "Set VALBUM_CROSS_PREFIX to the folder the target's LZO and GoogleTest are installed in")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${VALBUM_CROSS_PREFIX})
set(CMAKE_PREFIX_PATH ${VALBUM_CROSS_PREFIX})
set(ENV{PKG_CONFIG_LIBDIR} ${VALBUM_CROSS_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# Floating point rounds the same on every target only without contraction
# into fused multiply-adds.
set(CMAKE_C_FLAGS_INIT -ffp-contract=off)
set(CMAKE_CXX_FLAGS_INIT -ffp-contract=off)
# The tests: one .js file with the module inside (Node 18 and later would
# fetch() a separate .wasm and fail), memory that grows with the pictures,
# and the host's files, so that --source-dir reaches the source tree's data.
# The page's core (VALBUM_WEB_CORE) sets its own, one set for each of its
# two link targets.
if(NOT VALBUM_WEB_CORE)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-sENVIRONMENT=node -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1 -sNODERAWFS=1")
endif()
