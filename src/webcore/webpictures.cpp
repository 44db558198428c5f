// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture functions of webcore.h: each picture the way `valbum create`
// takes it, read with ReadPictureBytes() (and the smoothing's decode
// reduction), converted with ConvertToAlbumBitmap(), its record made with
// CompressAlbumImage().

#include "webcore/webcore.h"

#include "conversion/albumconversion.h"
#include "imagerecords/bestfitrenderings.h"
#include "picture/picturefile.h"
#include "pictureimport/decodereduction.h"
#include "webcore/callresult.h"
#include "webcore/choices.h"
#include "webcore/enumnames.h"
#include "webcore/jsontext.h"
#include "webcore/picturehandles.h"
#include "webcore/pictureview.h"

#include <span>

namespace {

std::string WarningsJson(const std::vector<std::string> &warnings)
{
    std::vector<std::string> texts;
    texts.reserve(warnings.size());
    for (const std::string &warning : warnings)
        texts.push_back(JsonString(warning));
    return JsonArray(texts);
}

std::string ProblemJson(const PictureProblem &problem)
{
    return JsonObject()
        .text("kind", NameOf(problem.kind))
        .text("detail", problem.detail)
        .number("width", problem.size.width)
        .number("height", problem.size.height)
        .text("jpegKind", NameOf(problem.jpegKind))
        .text("fault", NameOf(problem.fault))
        .str();
}

// The choices of a call, or its refusal already set in the result.
const ConversionOptions *Choices(const char *text, ParsedChoices &parsed)
{
    parsed = ParseChoices(text ? std::string_view(text) : std::string_view());
    if (!parsed.ok) {
        RefusedCall(parsed.error);
        return nullptr;
    }
    return &parsed.options;
}

} // namespace

extern "C" {

int vw_picture_read(const std::uint8_t *file, std::uint32_t size, const char *choices)
{
    CallResult &result = NewCallResult();
    ParsedChoices parsed;
    const ConversionOptions *options = Choices(choices, parsed);
    if (!options)
        return -2;
    const std::span<const std::uint8_t> bytes = file ? std::span(file, size) : std::span<const std::uint8_t>();
    PictureFileContents read = ReadPictureBytes(bytes, DecodeReductionFor(*options));
    if (!read.ok) {
        result.json =
            JsonObject().raw("problem", ProblemJson(read.problem)).raw("warnings", WarningsJson(read.warnings)).str();
        return 0;
    }
    result.json = JsonObject()
                      .number("width", read.picture.width)
                      .number("height", read.picture.height)
                      .flag("hasAlpha", read.picture.hasAlpha)
                      .number("orientation", read.orientation)
                      .raw("warnings", WarningsJson(read.warnings))
                      .str();
    return KeepPicture(std::move(read.picture));
}

int vw_picture_from_argb(const std::uint32_t *pixels, int width, int height, int hasAlpha)
{
    NewCallResult();
    if (!pixels || width <= 0 || height <= 0 || IsTooLargePicture(width, height))
        return 0;
    RgbPicture picture(width, height, 0xFFFFFFFFu, hasAlpha != 0);
    std::copy_n(pixels, picture.pixels.size(), picture.pixels.begin());
    return KeepPicture(std::move(picture));
}

void vw_picture_release(int handle)
{
    NewCallResult();
    ReleasePicture(handle);
}

int vw_picture_view(int handle, int turns, int maxSide)
{
    CallResult &result = NewCallResult();
    const RgbPicture *picture = KeptPicture(handle);
    if (!picture)
        return -1;
    // Shrunk before it is turned: a turn of the whole picture would copy all of it.
    const RgbPicture view = TurnedPicture(ShrunkToFit(*picture, maxSide), turns);
    PutRgba(view.pixels.data(), view.pixels.size(), result.data);
    result.json = JsonObject().number("width", view.width).number("height", view.height).str();
    return 0;
}

int vw_picture_convert(int handle, const char *choices)
{
    CallResult &result = NewCallResult();
    ParsedChoices parsed;
    const ConversionOptions *options = Choices(choices, parsed);
    if (!options)
        return -2;
    const RgbPicture *picture = KeptPicture(handle);
    if (!picture)
        return -1;
    const AlbumBitmap image = ConvertToAlbumBitmap(*picture, *options);
    const ImageRecord record = CompressAlbumImage(image.view());
    const bool compressible = record.failure == AlbumWriteFailure::None;
    const AlbumBitmap shown = DeviceView(image.view());
    PutRgba(shown.pixels.data(), shown.pixels.size(), result.data);
    const std::size_t viewLength = result.data.size();
    if (compressible)
        result.data.insert(result.data.end(), record.payload.begin(), record.payload.end());
    result.json = JsonObject()
                      .number("recordSize", compressible ? record.recordSize() : 0)
                      .flag("compressible", compressible)
                      .number("viewLength", static_cast<std::int64_t>(viewLength))
                      .number("payloadLength", static_cast<std::int64_t>(result.data.size() - viewLength))
                      .str();
    return 0;
}

int vw_picture_best_fit(int handle, const char *choices)
{
    CallResult &result = NewCallResult();
    ParsedChoices parsed;
    const ConversionOptions *options = Choices(choices, parsed);
    if (!options)
        return -2;
    const RgbPicture *picture = KeptPicture(handle);
    if (!picture)
        return -1;
    // Placed once, as valbum create --best-fit does; each rendering starts from that square.
    const AlbumBitmap placed = ConvertToAlbumBitmap(*picture, BestFitPlacement(*options));
    const BestFitCandidates renderings = RenderForBestFit(placed, *options);
    std::vector<std::string> entries;
    std::size_t candidate = 0;
    for (std::size_t step = 0; step < BestFitRenderings.size(); ++step) {
        const ImageRecord &record = renderings.records[step];
        const bool ok = record.failure == AlbumWriteFailure::None;
        const double look = ok ? renderings.candidates[candidate++].look : 0.0;
        entries.push_back(JsonObject()
                              .text("greys", GreyDitherNames[static_cast<std::size_t>(BestFitRenderings[step])])
                              .flag("ok", ok)
                              .number("recordSize", ok ? record.recordSize() : 0)
                              .real("look", look)
                              .number("offset", static_cast<std::int64_t>(result.data.size()))
                              .number("length", ok ? static_cast<std::int64_t>(record.payload.size()) : 0)
                              .str());
        if (ok)
            result.data.insert(result.data.end(), record.payload.begin(), record.payload.end());
    }
    result.json = JsonObject().raw("renderings", JsonArray(entries)).str();
    return 0;
}

} // extern "C"
