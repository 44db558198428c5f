// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webcore/imagelist.h"

#include "album/littleendian.h"

#include <cstring>
#include <optional>

namespace {

class ListReader
{
public:
    explicit ListReader(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {
    }

    bool atEnd() const { return m_offset == m_bytes.size(); }
    std::size_t offset() const { return m_offset; }

    std::optional<std::uint8_t> byte()
    {
        if (m_bytes.size() - m_offset < 1)
            return std::nullopt;
        return m_bytes[m_offset++];
    }

    std::optional<std::uint32_t> u32()
    {
        if (m_bytes.size() - m_offset < 4)
            return std::nullopt;
        const auto value = ReadLittleEndian<std::uint32_t>(m_bytes.subspan(m_offset, 4));
        m_offset += 4;
        return value;
    }

    std::optional<double> f64()
    {
        if (m_bytes.size() - m_offset < 8)
            return std::nullopt;
        const auto bits = ReadLittleEndian<std::uint64_t>(m_bytes.subspan(m_offset, 8));
        m_offset += 8;
        // libc++ 13 has no std::bit_cast.
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A length, then that many bytes, at most CompressedImageCapacity.
    std::optional<std::vector<std::uint8_t>> payload()
    {
        const std::optional<std::uint32_t> length = u32();
        if (!length || *length > CompressedImageCapacity || m_bytes.size() - m_offset < *length)
            return std::nullopt;
        const auto start = m_bytes.begin() + static_cast<std::ptrdiff_t>(m_offset);
        m_offset += *length;
        return std::vector<std::uint8_t>(start, start + static_cast<std::ptrdiff_t>(*length));
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_offset = 0;
};

// A record as the page made it; an empty payload stands for an image that
// did not compress, as CompressAlbumImage() reports one.
ImageRecord RecordOf(std::vector<std::uint8_t> payload)
{
    ImageRecord record;
    if (payload.empty())
        record.failure = AlbumWriteFailure::ImageNotCompressible;
    record.payload = std::move(payload);
    return record;
}

} // namespace

ParsedImageList ParseImageList(std::span<const std::uint8_t> bytes)
{
    ParsedImageList result;
    ListReader reader(bytes);
    const auto malformed = [&](const char *what) {
        result.error = std::string(what) + " at byte " + std::to_string(reader.offset()) + " of the image list";
        return result;
    };
    while (!reader.atEnd()) {
        BestFitImage image;
        const std::optional<std::uint8_t> kind = reader.byte();
        if (kind == 0) {
            auto payload = reader.payload();
            if (!payload)
                return malformed("a fixed image's payload cut short or too long");
            image.record = RecordOf(std::move(*payload));
        } else if (kind == 1) {
            const std::optional<std::uint8_t> count = reader.byte();
            if (count != BestFitRenderings.size())
                return malformed("a best-fit image without one rendering for each of best fit's steps");
            BestFitCandidates renderings;
            for (std::size_t step = 0; step < BestFitRenderings.size(); ++step) {
                const std::optional<std::uint8_t> ok = reader.byte();
                const std::optional<double> look = reader.f64();
                auto payload = reader.payload();
                if (!ok || *ok > 1 || !look || !payload || (*ok == 1) == payload->empty())
                    return malformed("a best-fit rendering cut short, too long or inconsistent");
                renderings.records[step] = RecordOf(std::move(*payload));
                if (*ok == 0)
                    continue;
                renderings.candidates.push_back({renderings.records[step].recordSize(), *look});
                renderings.stepOf.push_back(step);
            }
            image.renderings = std::move(renderings);
        } else {
            return malformed("an image kind other than 0 (fixed) or 1 (best fit)");
        }
        result.snapshot.images.push_back(std::move(image));
    }
    result.ok = true;
    return result;
}
