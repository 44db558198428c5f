# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What libtiff 4.5.0's configure checks find under Debian's emscripten 3.1.6,
# seeded into its CMake cache (scripts/wasm-libraries.sh, cmake -C): each
# check is an emscripten compile through a throw-away CMake project, seconds
# apiece, and these took most of the library's build time. A check not listed
# here still runs. The warning flags it adds, the headers and symbols
# tif_config.h reports, no 8/12-bit dual-mode libjpeg-turbo, and the OpenGL
# headers of its tools, which are not built.
set(C_FLAG_Wall "1" CACHE INTERNAL "")
set(C_FLAG_Winline "1" CACHE INTERNAL "")
set(C_FLAG_Wformat_security "1" CACHE INTERNAL "")
set(C_FLAG_Wpointer_arith "1" CACHE INTERNAL "")
set(C_FLAG_Wdisabled_optimization "1" CACHE INTERNAL "")
set(C_FLAG_Wno_unknown_pragmas "1" CACHE INTERNAL "")
set(C_FLAG_fstrict_aliasing "1" CACHE INTERNAL "")
set(HAVE_LD_VERSION_SCRIPT "1" CACHE INTERNAL "")
set(HAVE_ASSERT_H "1" CACHE INTERNAL "")
set(HAVE_FCNTL_H "1" CACHE INTERNAL "")
set(HAVE_IO_H "" CACHE INTERNAL "")
set(HAVE_STRINGS_H "1" CACHE INTERNAL "")
set(HAVE_SYS_TIME_H "1" CACHE INTERNAL "")
set(HAVE_SYS_TYPES_H "1" CACHE INTERNAL "")
set(HAVE_UNISTD_H "1" CACHE INTERNAL "")
set(HAVE_GETOPT "1" CACHE INTERNAL "")
set(HAVE_DECL_OPTARG "1" CACHE INTERNAL "")
set(HAVE_MMAP "1" CACHE INTERNAL "")
set(HAVE_SETMODE "" CACHE INTERNAL "")
set(HAVE_STDINT_H "1" CACHE INTERNAL "")
set(HAVE_STDDEF_H "1" CACHE INTERNAL "")
set(HAVE_JPEGTURBO_DUAL_MODE_8_12 "" CACHE INTERNAL "")
set(HAVE_GL_GL_H "1" CACHE INTERNAL "")
set(HAVE_GL_GLU_H "1" CACHE INTERNAL "")
set(HAVE_GL_GLUT_H "1" CACHE INTERNAL "")
set(HAVE_GLUT_GLUT_H "" CACHE INTERNAL "")
set(HAVE_OPENGL_GL_H "" CACHE INTERNAL "")
set(HAVE_OPENGL_GLU_H "" CACHE INTERNAL "")
set(CMath_HAVE_LIBC_POW "1" CACHE INTERNAL "")
