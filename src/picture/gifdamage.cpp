// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include "picture/byteorder.h"

namespace {

// GIF layout: a 6-byte signature, a 7-byte screen descriptor whose packed
// byte may announce a colour table, then blocks: extensions (0x21), images
// (0x2C) and the trailer (0x3B). Extensions and image data are runs of
// sub-blocks, each a length byte and that many bytes, ended by a zero length.
constexpr std::size_t SignatureSize = 6;
constexpr std::size_t ScreenDescriptorSize = 7;
constexpr std::size_t ImageDescriptorSize = 9; // after its 0x2C
constexpr std::uint8_t ExtensionIntroducer = 0x21;
constexpr std::uint8_t ImageSeparator = 0x2C;
constexpr std::uint8_t Trailer = 0x3B;

// A colour table follows when the packed byte's top bit is set; its low
// three bits give 2^(n+1) entries of three bytes.
std::size_t ColourTableSize(std::uint8_t packed)
{
    return (packed & 0x80) != 0 ? 3 * (std::size_t(2) << (packed & 0x07)) : 0;
}

// Moves `at` past a run of sub-blocks; false when the file ends first.
bool SkipSubBlocks(FileBytes file, std::size_t &at)
{
    while (at < file.size()) {
        const std::size_t length = file[at];
        ++at;
        if (length == 0)
            return true;
        if (file.size() - at < length)
            return false;
        at += length;
    }
    return false;
}

} // namespace

// The reader fills whatever a cut file lacks with made-up pixels. Walking the
// blocks finds a file that ends inside one; one that only lacks its trailer
// after a whole image is a common writer's slip that every viewer accepts.
// The compressed pixels themselves are left to the reader.
bool IsDamagedGif(std::span<const std::uint8_t> file)
{
    if (file.size() < SignatureSize + ScreenDescriptorSize)
        return true;
    std::size_t at = SignatureSize + ScreenDescriptorSize;
    at += ColourTableSize(file[SignatureSize + 4]);
    bool imageRead = false;
    while (at < file.size()) {
        const std::uint8_t introducer = file[at++];
        if (introducer == Trailer)
            return false;
        if (introducer == ExtensionIntroducer) {
            if (at >= file.size())
                return true;
            ++at; // the extension's label
            if (!SkipSubBlocks(file, at))
                return true;
        } else if (introducer == ImageSeparator) {
            if (file.size() - at < ImageDescriptorSize + 1)
                return true;
            at += ImageDescriptorSize + ColourTableSize(file[at + ImageDescriptorSize - 1]);
            ++at; // the smallest code size of the compressed pixels
            if (at > file.size() || !SkipSubBlocks(file, at))
                return true;
            imageRead = true;
        } else {
            // Not a block: stray bytes after the pictures, for the reader to judge.
            return false;
        }
    }
    return !imageRead;
}
