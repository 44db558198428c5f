// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/tiffdamage.h"

#include "picture/byteorder.h"
#include <set>

#include <optional>

namespace {

std::int64_t Size(FileBytes bytes)
{
    return static_cast<std::int64_t>(bytes.size());
}

// A TIFF file: a header giving the byte order and the first directory's
// offset; each directory a count of 12-byte entries (20 bytes in BigTIFF)
// and the next directory's offset. An entry's value lies in the entry when
// it fits, elsewhere in the file otherwise.
class TiffLayout
{
public:
    explicit TiffLayout(FileBytes file)
        : m_file(file)
        , m_little(HasBytesAt(file, 0, "II"))
        , m_big(number(2, 2) == 43)
    {
    }

    // Whether every byte a directory names lies within the file.
    bool isWhole()
    {
        std::set<std::uint64_t> seen;
        std::optional<std::uint64_t> at = m_big ? number(8, 8) : number(4, 4);
        while (at && *at != 0) {
            if (seen.count(*at) != 0 || seen.size() > 4096)
                return true; // a loop: for libtiff to refuse
            seen.insert(*at);
            at = directoryEnd(*at);
        }
        return at.has_value();
    }

private:
    std::optional<std::uint64_t> number(std::uint64_t at, int size) const
    {
        if (at > std::uint64_t(Size(m_file)) || std::uint64_t(Size(m_file)) - at < std::uint64_t(size))
            return std::nullopt;
        const auto p = std::size_t(at);
        switch (size) {
        case 2:
            return m_little ? U16le(m_file, p) : U16be(m_file, p);
        case 4:
            return m_little ? U32le(m_file, p) : U32be(m_file, p);
        default:
            return m_little ? U64le(m_file, p) : U64be(m_file, p);
        }
    }

    static int typeSize(std::uint64_t type)
    {
        switch (type) {
        case 1:
        case 2:
        case 6:
        case 7:
            return 1; // bytes, ASCII, signed bytes, undefined
        case 3:
        case 8:
            return 2;
        case 4:
        case 9:
        case 11:
        case 13:
            return 4;
        case 5:
        case 10:
        case 12:
        case 16:
        case 17:
        case 18:
            return 8;
        default:
            return 0;
        }
    }

    bool fits(std::uint64_t at, std::uint64_t length) const
    {
        return at <= std::uint64_t(Size(m_file)) && std::uint64_t(Size(m_file)) - at >= length;
    }

    // The offsets and byte counts of strips or tiles: each pair within the file.
    bool piecesFit(const std::optional<std::pair<std::uint64_t, std::uint64_t>> &offsets,
                   const std::optional<std::pair<std::uint64_t, std::uint64_t>> &counts) const
    {
        if (!offsets || !counts || offsets->second != counts->second)
            return true; // for libtiff to judge
        const auto [offsetsAt, n] = *offsets;
        const std::uint64_t countsAt = counts->first;
        const int width = int(m_pieceSize);
        for (std::uint64_t i = 0; i < n && i < 1'000'000; ++i) {
            const std::optional<std::uint64_t> at = number(offsetsAt + i * width, width);
            const std::optional<std::uint64_t> length = number(countsAt + i * m_countSize, int(m_countSize));
            if (!at || !length || !fits(*at, *length))
                return false;
        }
        return true;
    }

    // The next directory's offset, or nothing when this one names bytes past the end.
    std::optional<std::uint64_t> directoryEnd(std::uint64_t at)
    {
        const int countSize = m_big ? 8 : 2, entrySize = m_big ? 20 : 12, inlineSize = m_big ? 8 : 4;
        const std::optional<std::uint64_t> entries = number(at, countSize);
        if (!entries || !fits(at + countSize, *entries * entrySize + inlineSize))
            return std::nullopt;
        std::optional<std::pair<std::uint64_t, std::uint64_t>> stripOffsets, stripCounts;
        for (std::uint64_t i = 0; i < *entries; ++i) {
            const std::uint64_t entry = at + countSize + i * entrySize;
            const std::uint64_t tag = *number(entry, 2), type = *number(entry + 2, 2);
            const std::uint64_t count = *number(entry + 4, m_big ? 8 : 4);
            const std::uint64_t valueAt = entry + (m_big ? 12 : 8);
            const int size = typeSize(type);
            if (size == 0 || count > std::uint64_t(Size(m_file)))
                continue; // unknown types are skipped, as libtiff skips them
            const std::uint64_t length = count * size;
            const std::uint64_t where = length <= std::uint64_t(inlineSize) ? valueAt : *number(valueAt, inlineSize);
            if (!fits(where, length))
                return std::nullopt;
            if (tag == 273 || tag == 324) {
                m_pieceSize = std::uint64_t(size);
                stripOffsets = std::pair{where, count};
            } else if (tag == 279 || tag == 325) {
                m_countSize = std::uint64_t(size);
                stripCounts = std::pair{where, count};
            }
        }
        if ((m_pieceSize != 2 && m_pieceSize != 4 && m_pieceSize != 8)
            || (m_countSize != 2 && m_countSize != 4 && m_countSize != 8))
            stripOffsets.reset();
        if (!piecesFit(stripOffsets, stripCounts))
            return std::nullopt;
        return number(at + countSize + *entries * entrySize, inlineSize);
    }

    FileBytes m_file;
    bool m_little;
    bool m_big;
    std::uint64_t m_pieceSize = 0;
    std::uint64_t m_countSize = 0;
};

} // namespace

bool IsCutShortTiff(std::span<const std::uint8_t> file)
{
    if (Size(file) < 8)
        return true;
    TiffLayout layout(file);
    return !layout.isWhole();
}
