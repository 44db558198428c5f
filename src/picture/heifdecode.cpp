// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/byteorder.h"
#include "picture/librarydecoders.h"
#include "picture/straightalpha.h"

#include <libheif/heif.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct ContextFreer
{
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HandleReleaser
{
    void operator()(heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct ImageReleaser
{
    void operator()(heif_image *image) const { heif_image_release(image); }
};
struct OptionsFreer
{
    void operator()(heif_decoding_options *options) const { heif_decoding_options_free(options); }
};
using HeifImage = std::unique_ptr<heif_image, ImageReleaser>;

// An ISO box: its type and where its contents lie in the file.
struct Box
{
    std::string_view type;
    FileBytes contents;
};

// The boxes one after the other in `area`; stops at the first that does not fit.
template <typename Visit>
void ForEachBox(FileBytes area, Visit visit)
{
    std::size_t at = 0;
    while (area.size() - at >= 8) {
        std::uint64_t size = U32be(area, at);
        std::size_t header = 8;
        if (size == 1 && area.size() - at >= 16) {
            size = U64be(area, at + 8);
            header = 16;
        } else if (size == 0) {
            size = area.size() - at;
        }
        if (size < header || size > area.size() - at)
            return;
        if (!visit(Box{CharsOf(area.subspan(at + 4, 4)), area.subspan(at + header, std::size_t(size) - header)}))
            return;
        at += std::size_t(size);
    }
}

// The item type ("hvc1", "av01", "unci", ...) of the file's primary image,
// read from its 'meta' box: the primary item's number in 'pitm', its type in
// the 'infe' entry of 'iinf'. Empty when the boxes do not say.
std::string_view PrimaryItemType(FileBytes file)
{
    FileBytes meta;
    ForEachBox(file, [&meta](const Box &box) {
        if (box.type == "meta" && box.contents.size() > 4)
            meta = box.contents.subspan(4); // past its version and flags
        return meta.empty();
    });
    std::optional<std::uint32_t> primary;
    FileBytes entries;
    ForEachBox(meta, [&](const Box &box) {
        const FileBytes c = box.contents;
        if (box.type == "pitm" && c.size() >= 6)
            primary = c[0] == 0 ? U16be(c, 4) : c.size() >= 8 ? U32be(c, 4) : 0;
        if (box.type == "iinf" && c.size() >= 6)
            entries = c.subspan(c[0] == 0 ? 6 : std::min<std::size_t>(8, c.size()));
        return true;
    });
    if (!primary)
        return {};
    // The primary's type; for a grid, overlay or derived picture the type
    // of the pictures it is made of.
    const auto derived = [](std::string_view type) { return type == "grid" || type == "iovl" || type == "iden"; };
    const auto notAPicture = [](std::string_view type) { return type == "Exif" || type == "mime" || type == "uri "; };
    std::string_view type, coded;
    ForEachBox(entries, [&](const Box &box) {
        const FileBytes c = box.contents;
        if (box.type != "infe" || c.size() < 4 || c[0] < 2)
            return true;
        const bool wide = c[0] >= 3;
        const std::size_t typeAt = 4 + (wide ? 4 : 2) + 2;
        if (c.size() < typeAt + 4)
            return true;
        const std::uint32_t id = wide ? U32be(c, 4) : U16be(c, 4);
        const std::string_view itemType = CharsOf(c.subspan(typeAt, 4));
        if (id == *primary)
            type = itemType;
        else if (coded.empty() && !derived(itemType) && !notAPicture(itemType))
            coded = itemType;
        return true;
    });
    return derived(type) && !coded.empty() ? coded : type;
}

// The variant that no decoder here reads, named by its item type.
std::string UnsupportedVariant(FileBytes file)
{
    const std::string_view type = PrimaryItemType(file);
    if (type == "unci")
        return "Uncompressed HEIF";
    const struct
    {
        const char *type;
        const char *codec;
    } codecs[] = {{"hvc1", "HEVC"},  {"av01", "AV1"},  {"j2k1", "JPEG 2000"}, {"vvc1", "VVC"},
                  {"avc1", "H.264"}, {"jpeg", "JPEG"}, {"mski", "mask"}};
    for (const auto &codec : codecs)
        if (type == codec.type)
            return std::string("HEIF with ") + codec.codec + " compression";
    if (!type.empty() && std::all_of(type.begin(), type.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        return "HEIF with '" + std::string(type) + "' pictures";
    return "This kind of HEIF";
}

// Whether the primary image is of a kind decoded here: HEVC or AV1 with its
// decoder present, or a grid, overlay or derived picture of such pictures.
bool IsDecodable(std::string_view type)
{
    if (type == "hvc1")
        return heif_have_decoder_for_format(heif_compression_HEVC) != 0;
    if (type == "av01")
        return heif_have_decoder_for_format(heif_compression_AV1) != 0;
    return type.empty() || type == "grid" || type == "iovl" || type == "iden";
}

// libheif's messages are English, in ASCII.
std::string LowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

PictureFileContents Refusal(const heif_error &error, FileBytes file, PictureSize size = {})
{
    switch (error.code) {
    case heif_error_Unsupported_feature:
    case heif_error_Unsupported_filetype:
        if (error.subcode == heif_suberror_Unsupported_codec || error.subcode == heif_suberror_Unsupported_image_type
            || error.subcode == heif_suberror_No_ftyp_box || error.code == heif_error_Unsupported_filetype)
            return RefusedPicture(PictureProblem::Kind::UnsupportedVariant, UnsupportedVariant(file));
        return RefusedPicture(PictureProblem::Kind::UnsupportedVariant, "HEIF with " + LowerCase(error.message));
    case heif_error_Memory_allocation_error:
        if (error.subcode == heif_suberror_Security_limit_exceeded)
            return RefusedPicture(PictureProblem::Kind::TooLarge, {}, size);
        break;
    default:
        break;
    }
    PictureFileContents refused = RefusedPicture(PictureProblem::Kind::Damaged);
    refused.warnings.emplace_back(error.message);
    return refused;
}

// 8 bits a sample, interleaved RGB or RGBA, alpha straight or premultiplied.
RgbPicture EightBitPicture(const HeifImage &image, bool hasAlpha)
{
    int stride = 0;
    const uint8_t *plane = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_primary_width(image.get());
    const int height = heif_image_get_primary_height(image.get());
    const int samples = hasAlpha ? 4 : 3;
    if (plane == nullptr || width <= 0 || height <= 0 || stride < width * samples)
        return {};
    const bool premultiplied = hasAlpha && heif_image_is_premultiplied_alpha(image.get()) != 0;
    RgbPicture picture(width, height, 0, hasAlpha);
    for (int y = 0; y < height; ++y) {
        const uint8_t *in = plane + std::ptrdiff_t(y) * stride;
        Rgb *out = picture.row(y);
        for (int x = 0; x < width; ++x, in += samples) {
            const Rgb pixel = (Rgb(hasAlpha ? in[3] : 255) << 24) | (Rgb(in[0]) << 16) | (Rgb(in[1]) << 8) | in[2];
            out[x] = premultiplied ? StraightFromPremultiplied(pixel) : pixel;
        }
    }
    return picture;
}

// 10 to 16 bits a sample, each rounded to the nearest of 8 bits' levels.
RgbPicture DeepPicture(const HeifImage &image, bool hasAlpha, int bits)
{
    int stride = 0;
    const uint8_t *plane = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (plane == nullptr || bits < 9 || bits > 16)
        return {};
    const int width = heif_image_get_primary_width(image.get());
    const int height = heif_image_get_primary_height(image.get());
    const int samples = hasAlpha ? 4 : 3;
    if (width <= 0 || height <= 0 || stride < width * samples * 2)
        return {};
    const std::uint32_t top = (std::uint32_t(1) << bits) - 1;
    const auto eight = [top](const uint8_t *sample) {
        const std::uint32_t value = std::min<std::uint32_t>(std::uint32_t(sample[0] | (sample[1] << 8)), top);
        return Rgb((value * 255 + top / 2) / top);
    };
    const bool premultiplied = hasAlpha && heif_image_is_premultiplied_alpha(image.get()) != 0;
    RgbPicture picture(width, height, 0, hasAlpha);
    for (int y = 0; y < height; ++y) {
        const uint8_t *in = plane + std::ptrdiff_t(y) * stride;
        Rgb *out = picture.row(y);
        for (int x = 0; x < width; ++x, in += 2 * samples) {
            const Rgb pixel =
                ((hasAlpha ? eight(in + 6) : 255) << 24) | (eight(in) << 16) | (eight(in + 2) << 8) | eight(in + 4);
            out[x] = premultiplied ? StraightFromPremultiplied(pixel) : pixel;
        }
    }
    return picture;
}

} // namespace

PictureFileContents DecodeHeif(std::span<const std::uint8_t> file)
{
    // Named before libheif reads the file: it takes a kind of picture it
    // does not know for a damaged one.
    if (!IsDecodable(PrimaryItemType(file)))
        return RefusedPicture(PictureProblem::Kind::UnsupportedVariant, UnsupportedVariant(file));
    const std::unique_ptr<heif_context, ContextFreer> context(heif_context_alloc());
    if (!context)
        return RefusedPicture(PictureProblem::Kind::Unreadable, "The HEIF decoder is unusable.");
    heif_error error = heif_context_read_from_memory_without_copy(context.get(), file.data(), file.size(), nullptr);
    if (error.code != heif_error_Ok)
        return Refusal(error, file);
    heif_image_handle *primary = nullptr;
    error = heif_context_get_primary_image_handle(context.get(), &primary);
    const std::unique_ptr<heif_image_handle, HandleReleaser> handle(primary);
    if (error.code != heif_error_Ok)
        return Refusal(error, file);

    // The size after the file's rotation and clean aperture: checked
    // before a pixel is decoded.
    const PictureSize size{heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get())};
    if (IsTooLargePicture(size.width, size.height)
        || IsTooLargePicture(heif_image_handle_get_ispe_width(handle.get()),
                             heif_image_handle_get_ispe_height(handle.get())))
        return RefusedPicture(PictureProblem::Kind::TooLarge, {}, size);
    if (!size.isValid())
        return RefusedPicture(PictureProblem::Kind::Damaged);

    const bool hasAlpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
    const int bits = std::max(heif_image_handle_get_luma_bits_per_pixel(handle.get()),
                              heif_image_handle_get_chroma_bits_per_pixel(handle.get()));
    const bool deep = bits > 8;
    const heif_chroma chroma =
        deep ? (hasAlpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
             : (hasAlpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
    const std::unique_ptr<heif_decoding_options, OptionsFreer> options(heif_decoding_options_alloc());
    // Transform boxes applied (the format's rule: they, not EXIF, decide);
    // deep samples kept for rounding here, not truncated by the library.
    options->ignore_transformations = 0;
    options->convert_hdr_to_8bit = 0;
    options->strict_decoding = 1;
    heif_image *decoded = nullptr;
    error = heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB, chroma, options.get());
    HeifImage image(decoded);
    if (error.code != heif_error_Ok || !image)
        return Refusal(error, file, size);

    PictureFileContents result;
    result.picture =
        deep ? DeepPicture(image, hasAlpha, heif_image_get_bits_per_pixel_range(image.get(), heif_channel_interleaved))
             : EightBitPicture(image, hasAlpha);
    if (result.picture.isNull())
        return RefusedPicture(PictureProblem::Kind::Damaged);
    result.ok = true;
    return result;
}
