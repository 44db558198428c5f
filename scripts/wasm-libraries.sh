# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the scripts that build for WebAssembly:
#   wasm_libraries WORK [core|all]
# builds, from Debian's source packages (debian-source.sh), the libraries the
# core needs (core: LZO and GoogleTest) or the picture readers need too (all:
# zlib, libpng, libjpeg-turbo, giflib, libwebp, libtiff, libde265, dav1d and
# libheif), static, without SIMD or threads, into WORK/prefix. Each library
# is built once: it is skipped when what it installs is there. Prints each
# library's build time. emscripten's ports cannot be fetched (its cache is
# frozen), hence building them here.
source "$(dirname "${BASH_SOURCE[0]}")/debian-source.sh"
wasm_toolchain=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/cmake/toolchains/wasm32-emscripten.cmake
wasm_checks=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/cmake/wasm-checks
# emcc, emar and the rest start "${EMSDK_PYTHON:-python3}" on every call.
# Where python3 is a version manager's shim (pyenv's is a shell script that
# looks the version up each time), that look-up alone costs more than
# compiling a small file: the interpreter the shim picks is named once.
if [[ -z ${EMSDK_PYTHON:-} ]]; then
  EMSDK_PYTHON=$(python3 -c 'import sys; print(sys.executable)')
  export EMSDK_PYTHON
fi

wasm_libraries() {
  local work=$1 set=${2:-core}
  local prefix=$work/prefix
  local jobs=$(($(nproc) < 2 ? $(nproc) : 2))
  # emscripten's JavaScript tools need Debian's node-acorn, which a Node not
  # built by Debian (NodeSource's) does not look for.
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
  mkdir -p "$prefix/lib/pkgconfig" "$prefix/include"
  # Whatever a library's build looks for, it finds only the other libraries
  # built here, never the build machine's.
  export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig PKG_CONFIG_PATH=
  local cflags="-O2 -ffp-contract=off"
  # The project's toolchain file: it makes the finds look in the prefix. The
  # configure checks only compile: each emscripten link takes seconds, and a
  # library's configure makes a hundred checks. No check here needs a link
  # to be right (the symbol checks look for declarations).
  local cmake_common=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$wasm_toolchain" -DVALBUM_CROSS_PREFIX="$prefix"
    -DCMAKE_TRY_COMPILE_TARGET_TYPE=STATIC_LIBRARY
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib -DBUILD_SHARED_LIBS=OFF -DCMAKE_C_FLAGS="$cflags" -DCMAKE_CXX_FLAGS="$cflags")
  local libraries=(lzo gtest)
  [[ $set == all ]] && libraries+=(zlib png jpeg gif webp tiff de265 dav1d heif)
  local library started
  for library in "${libraries[@]}"; do
    [[ -e "$prefix/$(wasm_marker_$library)" ]] && continue
    started=$SECONDS
    # In a job of its own, so that its first failing step ends it: inside
    # an if or a || the shell would ignore set -e.
    (
      set -e
      wasm_build_$library
    ) >"$work/$library-build.log" 2>&1 &
    if ! wait $!; then
      tail -n 40 "$work/$library-build.log" >&2
      echo "wasm_libraries: $library did not build (log: $work/$library-build.log)" >&2
      return 1
    fi
    echo "wasm_libraries: $library built in $((SECONDS - started)) s"
  done
}

# An emscripten CMake build of SOURCE in WORK/NAME, installed into the prefix.
wasm_cmake() {
  local name=$1 source=$2
  shift 2
  rm -rf "$work/$name"
  local checks=()
  wasm_known_checks "$name"
  cmake -S "$source" -B "$work/$name" "${cmake_common[@]}" "${checks[@]}" "$@"
  cmake --build "$work/$name" -j"$jobs"
  cmake --install "$work/$name"
}

# Sets checks to the initial cache (cmake -C) holding the results of NAME's
# configure checks under this emscripten, when cmake/wasm-checks has them:
# each check is a compile and an archive through a throw-away CMake project,
# seconds apiece with emscripten's Python start-up, and a library makes
# dozens. A check the file does not hold still runs.
wasm_known_checks() {
  checks=()
  [[ ! -f "$wasm_checks/$1.cmake" ]] || checks=(-C "$wasm_checks/$1.cmake")
}

wasm_marker_lzo() { echo lib/pkgconfig/lzo2.pc; }
wasm_build_lzo() {
  local lzo unit version
  lzo=$(debian_source "$work/source" lzo2)
  # Straight from the sources, not through LZO's CMake: its type-size checks
  # give nonsense under emscripten (every size 9) and take minutes. Without a
  # config.h LZO finds the sizes from the compiler's own macros. Only what the
  # album core and its tests call, with what those need.
  rm -rf "$work/lzo"
  mkdir -p "$work/lzo" "$prefix/include/lzo"
  for unit in lzo_init lzo_ptr lzo_str lzo_util lzo1x_1 lzo1x_9x lzo1x_d1 lzo1x_d2; do
    echo "$lzo/src/$unit.c"
  done | xargs -P "$jobs" -I{} sh -c \
    'emcc -O2 -ffp-contract=off -I"$1/include" -I"$1" -c "$2" -o "$3/$(basename "$2" .c).o"' _ "$lzo" {} "$work/lzo"
  emar rcs "$prefix/lib/liblzo2.a" "$work/lzo"/*.o
  cp "$lzo"/include/lzo/*.h "$prefix/include/lzo/"
  # Sources include <lzo/lzo1x.h>, as with Debian's own package.
  version=$(sed -n 's/^#define LZO_VERSION_STRING *"\(.*\)"/\1/p' "$lzo/include/lzo/lzoconf.h")
  printf '%s\n' "prefix=$prefix" 'libdir=${prefix}/lib' 'includedir=${prefix}/include' "" \
    "Name: lzo2" "Description: LZO for WebAssembly" "Version: $version" \
    'Libs: -L${libdir} -llzo2' 'Cflags: -I${includedir} -I${includedir}/lzo' >"$prefix/lib/pkgconfig/lzo2.pc"
}

wasm_marker_gtest() { echo lib/cmake/GTest; }
wasm_build_gtest() {
  # Without threads: a module built without -pthread cannot start any.
  wasm_cmake googletest /usr/src/googletest -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -Dgtest_disable_pthreads=ON
}

wasm_marker_zlib() { echo lib/pkgconfig/zlib.pc; }
wasm_build_zlib() {
  local source
  source=$(debian_source "$work/source" zlib)
  # zlib's own configure, in a copy: its CMake rewrites zconf.h in the source.
  rm -rf "$work/zlib"
  cp -r "$source" "$work/zlib"
  (cd "$work/zlib" && CFLAGS="$cflags" emconfigure ./configure --static --prefix="$prefix" \
    && emmake make -j"$jobs" libz.a && emmake make install)
}

wasm_marker_png() { echo lib/pkgconfig/libpng.pc; }
wasm_build_png() {
  wasm_cmake libpng "$(debian_source "$work/source" libpng1.6)" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF
}

wasm_marker_jpeg() { echo lib/pkgconfig/libjpeg.pc; }
wasm_build_jpeg() {
  local source build=$work/libjpeg-turbo
  source=$(debian_source "$work/source" libjpeg-turbo)
  # The type-size checks give nonsense under emscripten (SIZEOF_SIZE_T 9):
  # the sizes are set. The same 62 interface as Debian's libjpeg62-turbo.
  # Only the library: each of its programs would take a slow emscripten link.
  rm -rf "$build"
  local checks=()
  wasm_known_checks libjpeg-turbo
  cmake -S "$source" -B "$build" "${cmake_common[@]}" "${checks[@]}" -DWITH_SIMD=0 -DENABLE_SHARED=0 -DENABLE_STATIC=1 \
    -DWITH_TURBOJPEG=0 -DHAVE_SIZE_T=TRUE -DSIZE_T=4 -DHAVE_UNSIGNED_LONG=TRUE -DUNSIGNED_LONG=4
  cmake --build "$build" -j"$jobs" --target jpeg-static
  cp "$build/libjpeg.a" "$prefix/lib/"
  cp "$build/jconfig.h" "$source/jpeglib.h" "$source/jerror.h" "$source/jmorecfg.h" "$prefix/include/"
  # Its libdir comes out beside the source tree rather than in the prefix.
  sed 's|^libdir=.*|libdir=${exec_prefix}/lib|' "$build/pkgscripts/libjpeg.pc" >"$prefix/lib/pkgconfig/libjpeg.pc"
}

wasm_marker_gif() { echo lib/libgif.a; }
wasm_build_gif() {
  local source unit
  source=$(debian_source "$work/source" giflib)
  # giflib has a plain Makefile for its shared library only: its few units
  # are compiled here.
  rm -rf "$work/giflib"
  mkdir -p "$work/giflib"
  for unit in dgif_lib egif_lib gifalloc gif_err gif_font gif_hash openbsd-reallocarray quantize; do
    emcc $cflags -c "$source/$unit.c" -o "$work/giflib/$unit.o"
  done
  emar rcs "$prefix/lib/libgif.a" "$work/giflib"/*.o
  cp "$source/gif_lib.h" "$prefix/include/"
}

wasm_marker_webp() { echo lib/pkgconfig/libwebpdemux.pc; }
wasm_build_webp() {
  local source build=$work/libwebp version
  source=$(debian_source "$work/source" libwebp)
  # Its plain makefile rather than its CMake, whose fifty configure checks
  # take minutes under emscripten; in a copy, as the objects land beside the
  # sources. The flags its CMake build gives: its Release optimisation after
  # ours, position-independent, hidden symbols, and a config.h with the two
  # things the library reads from it (byte swaps are built in, near-lossless
  # encoding is on). No threads and no SIMD: WEBP_USE_THREAD is left out, and
  # emcc without -msimd128 defines none of the SIMD macros.
  rm -rf "$build"
  cp -r "$source" "$build"
  printf '%s\n' "#define HAVE_BUILTIN_BSWAP16 1" "#define HAVE_BUILTIN_BSWAP32 1" "#define HAVE_BUILTIN_BSWAP64 1" \
    "#define WEBP_NEAR_LOSSLESS 1" >"$build/src/webp/config.h"
  make -C "$build" -f makefile.unix -j"$jobs" CC=emcc AR=emar ARFLAGS=rcs CPPFLAGS="-DHAVE_CONFIG_H -I. -Isrc" \
    CFLAGS="$cflags -O3 -DNDEBUG -fPIC -fvisibility=hidden -Wall" src/libwebp.a src/demux/libwebpdemux.a
  mkdir -p "$prefix/include/webp"
  cp "$build/src/libwebp.a" "$build/src/demux/libwebpdemux.a" "$prefix/lib/"
  cp "$build"/src/webp/{decode,encode,types,demux,mux_types}.h "$prefix/include/webp/"
  # The pkg-config files as its CMake writes them from the same templates:
  # its variables filled in (CMake fills ${libdir} and ${includedir} too),
  # no thread flags, and no -lm, which emscripten's libc holds.
  version=$(sed -n 's/^AC_INIT(\[libwebp\], \[\([0-9.]*\)\].*/\1/p' "$source/configure.ac")
  [[ -n $version ]]
  local pc out
  for pc in src/libwebp.pc src/demux/libwebpdemux.pc; do
    out=$prefix/lib/pkgconfig/$(basename "$pc")
    sed -e "s|@prefix@|$prefix|; s|@exec_prefix@|\${prefix}|; s|@libdir@|\${prefix}/lib|" \
      -e "s|@includedir@|\${prefix}/include|; s|@PACKAGE_VERSION@|$version|; s|@PTHREAD_[A-Z]*@||g" \
      -e 's|\${includedir}|${prefix}/include|g; s|\${libdir}|${prefix}/lib|g; s|-lm||' "$source/$pc.in" >"$out"
    # (A negated command never stops a set -e script: hence the ifs.)
    if grep -q @ "$out"; then echo "$out keeps a placeholder" >&2; return 1; fi
  done
}

wasm_marker_tiff() { echo lib/pkgconfig/libtiff-4.pc; }
wasm_build_tiff() {
  # Deflate (zlib), JPEG and WebP, besides the codecs TIFF has built in;
  # not Debian's JBIG, LZMA, ZSTD, LERC or libdeflate.
  wasm_cmake tiff "$(debian_source "$work/source" tiff)" -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF \
    -Dtiff-docs=OFF -Dcxx=OFF -Dzlib=ON -Djpeg=ON -Dwebp=ON -Djbig=OFF -Dlzma=OFF -Dzstd=OFF -Dlerc=OFF \
    -Dlibdeflate=OFF -Dold-jpeg=ON -DHAVE_SIZEOF_SIZE_T=TRUE -DSIZEOF_SIZE_T=4
}

wasm_marker_de265() { echo lib/pkgconfig/libde265.pc; }
wasm_build_de265() {
  wasm_cmake libde265 "$(debian_source "$work/source" libde265)" -DENABLE_SDL=OFF -DENABLE_DECODER=OFF \
    -DENABLE_ENCODER=OFF -DDISABLE_SSE=ON
}

wasm_marker_dav1d() { echo lib/pkgconfig/dav1d.pc; }
wasm_build_dav1d() {
  local source cross=$work/emscripten-cross.ini
  source=$(debian_source "$work/source" dav1d)
  # For wasm its build asks for threads, and so for shared memory, which a
  # module without -pthread cannot link: it gets no thread library (the
  # libc's thread calls are stubs, and libheif asks it for one thread).
  sed -i "s/^\( *\)thread_dependency = dependency('threads')\$/\1thread_dependency = declare_dependency()/" \
    "$source/meson.build"
  if grep -q "dependency('threads')" "$source/meson.build"; then echo "dav1d still asks for threads" >&2; return 1; fi
  printf '%s\n' "[binaries]" "c = 'emcc'" "cpp = 'em++'" "ar = 'emar'" "ranlib = 'emranlib'" \
    "pkgconfig = 'pkg-config'" "" "[built-in options]" "c_args = ['-O2', '-ffp-contract=off']" "" \
    "[host_machine]" "system = 'emscripten'" "cpu_family = 'wasm32'" "cpu = 'wasm32'" "endian = 'little'" >"$cross"
  rm -rf "$work/dav1d"
  meson setup "$work/dav1d" "$source" --cross-file "$cross" --prefix="$prefix" --libdir=lib \
    --buildtype=release --default-library=static -Denable_asm=false -Denable_tools=false \
    -Denable_tests=false -Denable_examples=false
  ninja -C "$work/dav1d" -j"$jobs"
  ninja -C "$work/dav1d" install
}

wasm_marker_heif() { echo lib/pkgconfig/libheif.pc; }
wasm_build_heif() {
  local source plugins
  source=$(debian_source "$work/source" libheif)
  plugins=$source/libheif/plugins
  # A module built without -pthread cannot start a thread: the decoders are
  # asked for none. libde265 then decodes in the calling thread, and dav1d
  # with one thread and one frame in flight.
  sed -i 's/de265_start_worker_threads(decoder->ctx, 1)/de265_start_worker_threads(decoder->ctx, 0)/' \
    "$plugins/heif_decoder_libde265.cc"
  # For emscripten it has libde265 skip the deblocking filter and SAO, to
  # be faster in the browser: the pictures then differ from the native
  # decoder's along the blocks' edges, the more the harder they are
  # compressed (up to 18 levels in a fifth of the samples). The whole decode.
  sed -i '/de265_set_parameter_bool(decoder->ctx, DE265_DECODER_PARAM_DISABLE_\(DEBLOCKING\|SAO\), 1);/d' \
    "$plugins/heif_decoder_libde265.cc"
  grep -q 'settings.n_threads' "$plugins/heif_decoder_dav1d.cc" \
    || sed -i 's/^\( *\)decoder->settings.all_layers = 0;/&\n\1decoder->settings.n_threads = 1;\n\1decoder->settings.max_frame_delay = 1;/' \
      "$plugins/heif_decoder_dav1d.cc"
  # Its own JavaScript interface (embind) is compiled in for every
  # emscripten build; the core calls it from C and needs none of it.
  sed -i 's/^#if defined(__EMSCRIPTEN__)$/#if defined(__EMSCRIPTEN__) \&\& defined(LIBHEIF_EMBIND)/' \
    "$source/libheif/heif.cc"
  grep -q 'defined(LIBHEIF_EMBIND)' "$source/libheif/heif.cc"
  grep -q 'de265_start_worker_threads(decoder->ctx, 0)' "$plugins/heif_decoder_libde265.cc"
  [[ $(grep -c 'DE265_DECODER_PARAM_DISABLE_' "$plugins/heif_decoder_libde265.cc") == 0 ]]
  grep -q 'settings.n_threads = 1' "$plugins/heif_decoder_dav1d.cc"
  wasm_cmake libheif "$source" -DWITH_LIBDE265=ON -DWITH_LIBDE265_PLUGIN=OFF -DWITH_DAV1D=ON \
    -DWITH_DAV1D_PLUGIN=OFF -DWITH_X265=OFF -DWITH_AOM_ENCODER=OFF -DWITH_AOM_DECODER=OFF -DWITH_SvtEnc=OFF \
    -DWITH_RAV1E=OFF -DWITH_EXAMPLES=OFF -DWITH_GDK_PIXBUF=OFF -DENABLE_PLUGIN_LOADING=OFF \
    -DENABLE_MULTITHREADING_SUPPORT=OFF -DENABLE_PARALLEL_TILE_DECODING=OFF -DWITH_LIBSHARPYUV=OFF \
    -DWITH_FUZZERS=OFF -DBUILD_TESTING=OFF
}
