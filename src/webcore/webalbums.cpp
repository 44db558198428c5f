// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The album functions of webcore.h: the album read as the editor opens one
// (ParseAlbum) and written as it saves one (LayOutBestFit, which lays out
// fixed images as they are and makes best fit's choice for the others).

#include "webcore/webcore.h"

#include "album/albumreader.h"
#include "album/compression.h"
#include "album/password.h"
#include "imagerecords/bestfitlayout.h"
#include "webcore/callresult.h"
#include "webcore/enumnames.h"
#include "webcore/imagelist.h"
#include "webcore/jsontext.h"

#include <span>

namespace {

std::span<const std::uint8_t> BytesOf(const std::uint8_t *data, std::uint32_t size)
{
    return data ? std::span(data, size) : std::span<const std::uint8_t>();
}

std::string NumbersJson(const std::vector<int> &numbers)
{
    std::vector<std::string> texts;
    texts.reserve(numbers.size());
    for (const int number : numbers)
        texts.push_back(std::to_string(number));
    return JsonArray(texts);
}

} // namespace

extern "C" {

int vw_init(void)
{
    NewCallResult();
    return InitCompression() ? 0 : -1;
}

int vw_album_read(const std::uint8_t *album, std::uint32_t size)
{
    CallResult &result = NewCallResult();
    const std::span<const std::uint8_t> bytes = BytesOf(album, size);
    const AlbumRecords records = ParseAlbum(bytes);
    std::vector<std::string> locations;
    locations.reserve(records.records.size());
    for (const RecordLocation &record : records.records)
        locations.push_back("[" + std::to_string(record.payloadOffset()) + "," + std::to_string(record.payloadSize)
                            + "]");
    result.json = JsonObject()
                      .text("outcome", NameOf(records.outcome))
                      .text("stop", NameOf(records.stop))
                      .number("stopOffset", records.stopOffset)
                      .number("fileSize", records.fileSize)
                      .text("password", PasswordTextFromStored(records.password))
                      .raw("records", JsonArray(locations))
                      .str();
    return records.outcome == AlbumReadOutcome::Read ? 0 : -1;
}

int vw_record_view(const std::uint8_t *payload, std::uint32_t size)
{
    CallResult &result = NewCallResult();
    AlbumBitmap image;
    if (!DecodeRecord(BytesOf(payload, size), image))
        return -1;
    PutRgba(image.pixels.data(), image.pixels.size(), result.data);
    return 0;
}

int vw_record_recompress(const std::uint8_t *payload, std::uint32_t size)
{
    CallResult &result = NewCallResult();
    AlbumBitmap image;
    if (!DecodeRecord(BytesOf(payload, size), image))
        return -1;
    ImageRecord record = CompressAlbumImage(image.view());
    if (record.failure != AlbumWriteFailure::None)
        return -1;
    result.data = std::move(record.payload);
    return 0;
}

int vw_album_write(const std::uint8_t *images, std::uint32_t size, const char *password)
{
    CallResult &result = NewCallResult();
    ParsedImageList list = ParseImageList(BytesOf(images, size));
    if (!list.ok)
        return RefusedCall(list.error);
    list.snapshot.passwordText = password ? password : "";
    BestFitLayout layout = LayOutBestFit(list.snapshot);
    result.json = JsonObject()
                      .flag("ok", layout.file.ok)
                      .number("imageCount", layout.file.imageCount)
                      .number("imagesWritten", layout.file.imagesWritten)
                      .text("failure", NameOf(layout.file.failure))
                      .number("failedImage", layout.file.failedImage)
                      .raw("chosenSteps", NumbersJson(layout.chosenStep))
                      .raw("renderingCounts", NumbersJson(layout.renderingCounts))
                      .str();
    if (!layout.file.ok)
        return -1;
    result.data = std::move(layout.file.bytes);
    return 0;
}

} // extern "C"
