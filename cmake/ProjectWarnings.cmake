# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Warnings and sanitizers are set per target, never through global flags, and
# only in the spelling of the compiler at hand (clang-cl counts as MSVC).
if(MSVC)
  set(VALBUM_WARNING_OPTIONS /W4)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  set(VALBUM_WARNING_OPTIONS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
else()
  set(VALBUM_WARNING_OPTIONS "")
endif()

if(VALBUM_SANITIZE)
  if(MSVC)
    # MSVC has AddressSanitizer only.
    set(VALBUM_SANITIZE_COMPILE_OPTIONS /fsanitize=address)
    set(VALBUM_SANITIZE_LINK_OPTIONS "")
  elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(VALBUM_SANITIZE_COMPILE_OPTIONS -fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    set(VALBUM_SANITIZE_LINK_OPTIONS -fsanitize=address,undefined)
  else()
    message(FATAL_ERROR "VALBUM_SANITIZE needs GCC, Clang or MSVC, not ${CMAKE_CXX_COMPILER_ID}")
  endif()
endif()

function(valbum_target_defaults target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE ${VALBUM_WARNING_OPTIONS})
  if(VALBUM_SANITIZE)
    target_compile_options(${target} PRIVATE ${VALBUM_SANITIZE_COMPILE_OPTIONS})
    target_link_options(${target} PRIVATE ${VALBUM_SANITIZE_LINK_OPTIONS})
  endif()
endfunction()
