// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/tiffdamage.h"

#include <QSet>
#include <QtEndian>

#include <optional>

namespace {

// A TIFF file: a header giving the byte order and the first directory's
// offset; each directory a count of 12-byte entries (20 bytes in BigTIFF)
// and the next directory's offset. An entry's value lies in the entry when
// it fits, elsewhere in the file otherwise.
class TiffLayout
{
public:
    explicit TiffLayout(QByteArrayView file)
        : m_file(file)
        , m_little(file.first(2) == "II")
        , m_big(number(2, 2) == 43)
    {
    }

    // Whether every byte a directory names lies within the file.
    bool isWhole()
    {
        QSet<quint64> seen;
        std::optional<quint64> at = m_big ? number(8, 8) : number(4, 4);
        while (at && *at != 0) {
            if (seen.contains(*at) || seen.size() > 4096)
                return true; // a loop: for libtiff to refuse
            seen.insert(*at);
            at = directoryEnd(*at);
        }
        return at.has_value();
    }

private:
    std::optional<quint64> number(quint64 at, int size) const
    {
        if (at > quint64(m_file.size()) || quint64(m_file.size()) - at < quint64(size))
            return std::nullopt;
        const char *p = m_file.data() + at;
        switch (size) {
        case 2:
            return m_little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
        case 4:
            return m_little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
        default:
            return m_little ? qFromLittleEndian<quint64>(p) : qFromBigEndian<quint64>(p);
        }
    }

    static int typeSize(quint64 type)
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

    bool fits(quint64 at, quint64 length) const
    {
        return at <= quint64(m_file.size()) && quint64(m_file.size()) - at >= length;
    }

    // The offsets and byte counts of strips or tiles: each pair within the file.
    bool piecesFit(const std::optional<std::pair<quint64, quint64>> &offsets,
                   const std::optional<std::pair<quint64, quint64>> &counts) const
    {
        if (!offsets || !counts || offsets->second != counts->second)
            return true; // for libtiff to judge
        const auto [offsetsAt, n] = *offsets;
        const quint64 countsAt = counts->first;
        const int width = int(m_pieceSize);
        for (quint64 i = 0; i < n && i < 1'000'000; ++i) {
            const std::optional<quint64> at = number(offsetsAt + i * width, width);
            const std::optional<quint64> length = number(countsAt + i * m_countSize, int(m_countSize));
            if (!at || !length || !fits(*at, *length))
                return false;
        }
        return true;
    }

    // The next directory's offset, or nothing when this one names bytes past the end.
    std::optional<quint64> directoryEnd(quint64 at)
    {
        const int countSize = m_big ? 8 : 2, entrySize = m_big ? 20 : 12, inlineSize = m_big ? 8 : 4;
        const std::optional<quint64> entries = number(at, countSize);
        if (!entries || !fits(at + countSize, *entries * entrySize + inlineSize))
            return std::nullopt;
        std::optional<std::pair<quint64, quint64>> stripOffsets, stripCounts;
        for (quint64 i = 0; i < *entries; ++i) {
            const quint64 entry = at + countSize + i * entrySize;
            const quint64 tag = *number(entry, 2), type = *number(entry + 2, 2);
            const quint64 count = *number(entry + 4, m_big ? 8 : 4);
            const quint64 valueAt = entry + (m_big ? 12 : 8);
            const int size = typeSize(type);
            if (size == 0 || count > quint64(m_file.size()))
                continue; // unknown types are skipped, as libtiff skips them
            const quint64 length = count * size;
            const quint64 where = length <= quint64(inlineSize) ? valueAt : *number(valueAt, inlineSize);
            if (!fits(where, length))
                return std::nullopt;
            if (tag == 273 || tag == 324) {
                m_pieceSize = quint64(size);
                stripOffsets = std::pair{where, count};
            } else if (tag == 279 || tag == 325) {
                m_countSize = quint64(size);
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

    QByteArrayView m_file;
    bool m_little;
    bool m_big;
    quint64 m_pieceSize = 0;
    quint64 m_countSize = 0;
};

} // namespace

bool IsCutShortTiff(QByteArrayView file)
{
    if (file.size() < 8)
        return true;
    TiffLayout layout(file);
    return !layout.isWhole();
}
