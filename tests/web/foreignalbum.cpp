// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// foreign_album IN OUT: writes IN's images again with LZO1X-1, the fast
// compressor another program may well pack albums with, so the page's tests
// can check that such an album comes out of the page with the bytes the
// editor gives it (best compression), not the foreign ones.
#include "album/albumreader.h"
#include "album/albumwriter.h"
#include "album/compression.h"
#include "album/password.h"

#include <lzo/lzo1x.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::size_t CompressFast(const PackedImage &packed, std::vector<std::uint8_t> &out)
{
    std::vector<std::uint8_t> work(LZO1X_1_MEM_COMPRESS);
    out.resize(packed.size() + packed.size() / 16 + 64 + 3);
    lzo_uint size = out.size();
    if (lzo1x_1_compress(packed.data(), packed.size(), out.data(), &size, work.data()) != LZO_E_OK)
        return 0;
    out.resize(size);
    return size;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 || !InitCompression()) {
        std::fprintf(stderr, "usage: foreign_album IN OUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<std::uint8_t> album{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const AlbumRecords records = ParseAlbum(album);
    if (!records.whole()) {
        std::fprintf(stderr, "foreign_album: %s is not a whole album\n", argv[1]);
        return 1;
    }
    const AlbumWriteResult result = EncodeAlbumRecords(
        static_cast<int>(records.records.size()),
        [&](int index) {
            PackedImage packed{};
            DecompressImage(RecordPayload(album, records.records[static_cast<std::size_t>(index)]), packed);
            ImageRecord record;
            if (CompressFast(packed, record.payload) == 0)
                record.failure = AlbumWriteFailure::ImageNotCompressible;
            return record;
        },
        PasswordTextFromStored(records.password));
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char *>(result.bytes.data()), static_cast<std::streamsize>(result.bytes.size()));
    if (!result.ok || !out.flush()) {
        std::fprintf(stderr, "foreign_album: %s not written\n", argv[2]);
        return 1;
    }
    return 0;
}
