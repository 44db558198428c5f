// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/compression.h"

#include <lzo/lzo1x.h>

#include <memory>

bool InitCompression()
{
    return lzo_init() == LZO_E_OK;
}

std::size_t CompressImage(const PackedImage &packed, std::vector<std::uint8_t> &out)
{
    out.resize(CompressionWorstCase);
    // The 999 compressor's work memory; owned here so it goes on every way out.
    // Not zero-filled where the library can skip it: the compressor
    // initialises what it uses. libc++ 13 (emscripten 3.1.6) cannot skip it,
    // and zero-fills; the output is the same.
#if defined(__cpp_lib_smart_ptr_for_overwrite)
    const auto workMemory = std::make_unique_for_overwrite<unsigned char[]>(LZO1X_999_MEM_COMPRESS);
#else
    const auto workMemory = std::make_unique<unsigned char[]>(LZO1X_999_MEM_COMPRESS);
#endif
    lzo_uint produced = 0;
    const int status = lzo1x_999_compress(packed.data(), packed.size(), out.data(), &produced, workMemory.get());
    if (status != LZO_E_OK || produced == 0 || produced > CompressedImageCapacity) {
        out.clear();
        return 0;
    }
    out.resize(produced);
    return produced;
}

std::size_t DecompressImage(std::span<const std::uint8_t> compressed, PackedImage &packed)
{
    packed.fill(0);
    if (compressed.empty())
        return 0;
    lzo_uint produced = packed.size();
    const int status = lzo1x_decompress_safe(compressed.data(), compressed.size(), packed.data(), &produced, nullptr);
    // A stream that ends early still decodes (the rest stays black); one that
    // would overrun the image or the input, or leaves input over, is an error.
    if (status != LZO_E_OK)
        return 0;
    return produced;
}
