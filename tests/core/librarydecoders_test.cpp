// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// HEIC, AVIF, WebP and TIFF, made at test time by Debian's own encoders from
// pictures whose pixels are known.

#include "messages/picturetexts.h"
#include "picture/picturefile.h"
#include "qtimage/albumimage.h"

#include "support/readpictures.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <libheif/heif.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <span>

namespace {

using namespace Qt::StringLiterals;

// Four blocks of their own colours on a soft gradient: a wrong turn, a
// swapped channel or a lost row all show.
QImage Blocks(int width, int height, bool alpha = false)
{
    QImage picture(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, low = y >= height / 2;
            const QRgb block =
                right ? (low ? qRgb(30, 40, 220) : qRgb(240, 200, 20)) : (low ? qRgb(20, 180, 60) : qRgb(200, 30, 40));
            picture.setPixel(x, y,
                             qRgba(qRed(block) + x % 7, qGreen(block) + y % 5, qBlue(block) + (x + y) % 3,
                                   alpha ? 40 + 200 * x / width : 255));
        }
    return picture;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage Argb(const QImage &picture)
{
    return picture.convertToFormat(QImage::Format_ARGB32);
}

class LibraryDecoders : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs a Debian encoder; an empty path when it is not installed.
    QString make(const QString &tool, const QStringList &arguments, const QString &output)
    {
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty()) {
            m_missing.append(tool);
            return {};
        }
        QProcess process;
        process.start(program, arguments);
        const bool done =
            process.waitForFinished(60'000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        EXPECT_TRUE(done) << tool.toStdString() << ": " << process.readAllStandardError().toStdString();
        return done ? output : QString();
    }

    QString saved(const QImage &picture, const QString &name)
    {
        EXPECT_TRUE(picture.save(path(name)));
        return path(name);
    }

    QStringList m_missing;
    QTemporaryDir m_dir;
};

struct Made
{
    QString name;
    QString tool;
    QStringList arguments; // %in, %other and %out stand for the paths
    bool alpha = false;
    // Levels a sample may be off: x265 through heif-enc is lossless only to
    // within one level (libheif's own heif-convert gives the same pixels).
    int tolerance = 0;
};

int LargestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return largest;
}

QStringList Filled(QStringList arguments, const QString &in, const QString &other, const QString &out)
{
    for (QString &argument : arguments)
        argument = argument == "%in"_L1 ? in : argument == "%other"_L1 ? other : argument == "%out"_L1 ? out : argument;
    return arguments;
}

// Lossless encodings of the same pixels, and the first frame or page of
// several: each must come in as exactly the PNG's pixels.
const Made Lossless[] = {
    {u"lossless.webp"_s, u"cwebp"_s, {u"-quiet"_s, u"-lossless"_s, u"-exact"_s, u"%in"_s, u"-o"_s, u"%out"_s}},
    {u"alpha.webp"_s, u"cwebp"_s, {u"-quiet"_s, u"-lossless"_s, u"-exact"_s, u"%in"_s, u"-o"_s, u"%out"_s}, true},
    {u"animated.webp"_s, u"img2webp"_s, {u"-lossless"_s, u"%in"_s, u"%other"_s, u"-o"_s, u"%out"_s}},
    {u"lossless.avif"_s, u"avifenc"_s, {u"-l"_s, u"-s"_s, u"10"_s, u"%in"_s, u"%out"_s}},
    {u"lossless.heic"_s,
     u"heif-enc"_s,
     {u"-L"_s, u"-p"_s, u"chroma=444"_s, u"--matrix_coefficients=0"_s, u"%in"_s, u"-o"_s, u"%out"_s},
     false,
     1},
    {u"zip.tif"_s, u"convert"_s, {u"%in"_s, u"-compress"_s, u"zip"_s, u"%out"_s}},
    {u"lzw.tif"_s, u"convert"_s, {u"%in"_s, u"-compress"_s, u"lzw"_s, u"%out"_s}},
    {u"packbits.tif"_s, u"convert"_s, {u"%in"_s, u"-compress"_s, u"rle"_s, u"%out"_s}},
    {u"16bit.tif"_s, u"convert"_s, {u"%in"_s, u"-depth"_s, u"16"_s, u"%out"_s}},
    {u"planes.tif"_s, u"convert"_s, {u"%in"_s, u"-interlace"_s, u"plane"_s, u"%out"_s}},
    {u"tiles.tif"_s, u"convert"_s, {u"%in"_s, u"-define"_s, u"tiff:tile-geometry=16x16"_s, u"%out"_s}},
    {u"pages.tif"_s, u"convert"_s, {u"%in"_s, u"%other"_s, u"%out"_s}},
    {u"alpha.tif"_s, u"convert"_s, {u"%in"_s, u"-compress"_s, u"lzw"_s, u"%out"_s}, true},
};

// Lossy ones and the other TIFF compressions: they come in, and cut short by
// a byte they are refused.
const Made Lossy[] = {
    {u"lossy.webp"_s, u"cwebp"_s, {u"-quiet"_s, u"%in"_s, u"-o"_s, u"%out"_s}},
    {u"lossy.avif"_s, u"avifenc"_s, {u"-s"_s, u"10"_s, u"%in"_s, u"%out"_s}},
    {u"lossy.heic"_s, u"heif-enc"_s, {u"%in"_s, u"-o"_s, u"%out"_s}},
    {u"jpeg.tif"_s, u"convert"_s, {u"%in"_s, u"-compress"_s, u"jpeg"_s, u"%out"_s}},
    {u"fax.tif"_s, u"convert"_s, {u"%in"_s, u"-monochrome"_s, u"-compress"_s, u"group4"_s, u"%out"_s}},
    {u"cmyk.tif"_s, u"convert"_s, {u"%in"_s, u"-colorspace"_s, u"cmyk"_s, u"%out"_s}},
};

} // namespace

TEST_F(LibraryDecoders, EachComesInAsThePngOfTheSamePixels)
{
    const QString opaque = saved(Blocks(48, 32), u"opaque.png"_s);
    const QString alpha = saved(Blocks(48, 32, true), u"alpha.png"_s);
    const QString other = saved(Blocks(48, 32).mirrored(true, true), u"other.png"_s);
    ConversionOptions smooth;
    smooth.smooth = true;
    for (const Made &made : Lossless) {
        SCOPED_TRACE(made.name.toStdString());
        const QString png = made.alpha ? alpha : opaque;
        const QString file = make(made.tool, Filled(made.arguments, png, other, path(made.name)), path(made.name));
        if (file.isEmpty())
            continue;
        const PictureFileContents read = ReadPictureAt(file);
        ASSERT_TRUE(read.ok) << PictureProblemText(read.problem).toStdString();
        const QImage loaded = ImageOf(read);
        const QImage expected = ImageOf(ReadPictureAt(png));
        // libtiff hands alpha over premultiplied: only the device picture can match.
        EXPECT_EQ(read.picture.hasAlpha, made.alpha);
        ASSERT_EQ(loaded.size(), expected.size());
        if (made.tolerance > 0) {
            EXPECT_LE(LargestDifference(loaded, expected), made.tolerance);
            continue;
        }
        if (!made.alpha || !made.name.endsWith(u".tif"_s))
            EXPECT_EQ(Argb(loaded), Argb(expected));
        // What the album gets: the device picture, alpha composed on white.
        EXPECT_EQ(ImportPicture(file, smooth).albumImage, ImportPicture(png, smooth).albumImage);
    }
    if (!m_missing.isEmpty())
        GTEST_SKIP() << "encoders not installed: " << m_missing.join(u' ').toStdString();
}

TEST_F(LibraryDecoders, CutShortByOneByteIsDamaged)
{
    const QString png = saved(Blocks(48, 32), u"opaque.png"_s);
    const QString other = saved(Blocks(48, 32).mirrored(true, true), u"other.png"_s);
    for (const auto &table : {std::span<const Made>(Lossless), std::span<const Made>(Lossy)})
        for (const Made &made : table) {
            SCOPED_TRACE(made.name.toStdString());
            const QString file = make(made.tool, Filled(made.arguments, png, other, path(made.name)), path(made.name));
            if (file.isEmpty())
                continue;
            const QByteArray whole = ReadAll(file);
            EXPECT_TRUE(ReadPictureIn(whole).ok);
            for (const qsizetype kept : {whole.size() - 1, whole.size() / 2}) {
                const PictureFileContents cut = ReadPictureIn(whole.first(kept));
                EXPECT_FALSE(cut.ok) << kept;
                EXPECT_EQ(cut.problem.kind, PictureProblem::Kind::Damaged) << kept;
            }
        }
    if (!m_missing.isEmpty())
        GTEST_SKIP() << "encoders not installed: " << m_missing.join(u' ').toStdString();
}

// Every 10-bit level once; each must come down to the nearest 8-bit level,
// where dropping the two low bits would give the one below for most.
TEST_F(LibraryDecoders, TenBitAvifIsRoundedToEightBits)
{
    QImage deep(64, 16, QImage::Format_RGBX64);
    for (int level = 0; level < 1024; ++level) {
        const quint16 wide = quint16((level << 6) | (level >> 4));
        deep.setPixelColor(level % 64, level / 64, QColor::fromRgba64(wide, wide, wide));
    }
    const QString png = saved(deep, u"deep.png"_s);
    const QString avif = make(u"avifenc"_s, {u"-l"_s, u"-d"_s, u"10"_s, u"-s"_s, u"10"_s, png, path(u"deep.avif"_s)},
                              path(u"deep.avif"_s));
    if (avif.isEmpty())
        GTEST_SKIP() << "avifenc is not installed";
    const PictureFileContents read = ReadPictureAt(avif);
    ASSERT_TRUE(read.ok) << PictureProblemText(read.problem).toStdString();
    const QImage loaded = ImageOf(read);
    int differsFromTruncation = 0;
    for (int level = 0; level < 1024; ++level) {
        const int rounded = (level * 255 + 511) / 1023;
        const QRgb pixel = loaded.pixel(level % 64, level / 64);
        ASSERT_EQ(qRed(pixel), rounded) << level;
        ASSERT_EQ(qBlue(pixel), rounded) << level;
        differsFromTruncation += rounded != level >> 2;
    }
    EXPECT_GT(differsFromTruncation, 100);
}

namespace {

struct ContextFreer
{
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct ImageReleaser
{
    void operator()(heif_image *image) const { heif_image_release(image); }
};
struct EncoderReleaser
{
    void operator()(heif_encoder *encoder) const { heif_encoder_release(encoder); }
};
struct EncodingOptionsFreer
{
    void operator()(heif_encoding_options *options) const { heif_encoding_options_free(options); }
};

// A HEIC whose stored picture is `picture` and whose 'irot' box says to
// turn it a quarter clockwise, as a phone held upright writes it.
QByteArray TurnedHeic(const QImage &picture)
{
    heif_image *made = nullptr;
    if (heif_image_create(picture.width(), picture.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &made)
            .code
        != heif_error_Ok)
        return {};
    const std::unique_ptr<heif_image, ImageReleaser> image(made);
    heif_image_add_plane(image.get(), heif_channel_interleaved, picture.width(), picture.height(), 8);
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image.get(), heif_channel_interleaved, &stride);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(plane + qsizetype(y) * stride, rgb.constScanLine(y), std::size_t(rgb.width()) * 3);
    const std::unique_ptr<heif_context, ContextFreer> context(heif_context_alloc());
    heif_encoder *encoder = nullptr;
    if (heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &encoder).code != heif_error_Ok)
        return {};
    const std::unique_ptr<heif_encoder, EncoderReleaser> owned(encoder);
    heif_encoder_set_lossy_quality(encoder, 95);
    const std::unique_ptr<heif_encoding_options, EncodingOptionsFreer> options(heif_encoding_options_alloc());
    options->image_orientation = heif_orientation_rotate_90_cw;
    if (heif_context_encode_image(context.get(), image.get(), encoder, options.get(), nullptr).code != heif_error_Ok)
        return {};
    QByteArray bytes;
    heif_writer writer{1, [](heif_context *, const void *data, size_t size, void *sink) {
                           static_cast<QByteArray *>(sink)->append(static_cast<const char *>(data), qsizetype(size));
                           return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
                       }};
    heif_context_write(context.get(), &writer, &bytes);
    return bytes;
}

} // namespace

TEST(LibraryDecodersHeif, TurnedHeicComesInUpright)
{
    const QImage stored = Blocks(64, 32);
    const QByteArray heic = TurnedHeic(stored);
    if (heic.isEmpty())
        GTEST_SKIP() << "libheif has no HEVC encoder here";
    ASSERT_TRUE(heic.contains("irot"));
    const PictureFileContents read = ReadPictureIn(heic);
    ASSERT_TRUE(read.ok) << PictureProblemText(read.problem).toStdString();
    const QImage loaded = ImageOf(read);
    const QImage upright = stored.transformed(QTransform().rotate(90));
    ASSERT_EQ(loaded.size(), upright.size());
    for (const QPoint at : {QPoint(8, 8), QPoint(24, 8), QPoint(8, 56), QPoint(24, 56)}) {
        const QRgb got = loaded.pixel(at), want = upright.pixel(at);
        EXPECT_LT(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want))
                      + std::abs(qBlue(got) - qBlue(want)),
                  30)
            << at.x() << "," << at.y();
    }
}

// Variants that are refused with their name, and files of other types with
// what they are.
TEST_F(LibraryDecoders, UnreadVariantsAndTypesAreNamed)
{
    const QString png = saved(Blocks(48, 32), u"opaque.png"_s);
    const QString heic = make(u"heif-enc"_s, {png, u"-o"_s, path(u"a.heic"_s)}, path(u"a.heic"_s));
    const QString tiff = make(u"convert"_s, {png, u"-compress"_s, u"lzw"_s, path(u"a.tif"_s)}, path(u"a.tif"_s));
    if (heic.isEmpty() || tiff.isEmpty())
        GTEST_SKIP() << "encoders not installed: " << m_missing.join(u' ').toStdString();

    // The primary item's type turned into one of the formats libheif does not read.
    QByteArray uncompressed = ReadAll(heic);
    ASSERT_EQ(uncompressed.count("hvc1"), 1);
    uncompressed.replace("hvc1", "unci");
    // The compression tag's value turned into one that libtiff is not built with.
    QByteArray jpeg2000 = ReadAll(tiff);
    const qsizetype entries = qFromLittleEndian<quint32>(jpeg2000.constData() + 4);
    const quint16 count = qFromLittleEndian<quint16>(jpeg2000.constData() + entries);
    for (int i = 0; i < count; ++i) {
        char *entry = jpeg2000.data() + entries + 2 + 12 * i;
        if (qFromLittleEndian<quint16>(entry) == 259)
            qToLittleEndian<quint16>(34712, entry + 8);
    }
    const QString types = u"Pictures are read from BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF and AVIF files."_s;
    const std::pair<QByteArray, QString> cases[] = {
        {uncompressed, u"Uncompressed HEIF is not supported."_s},
        {jpeg2000, u"TIFF with JPEG 2000 compression is not supported."_s},
        {QByteArray("%PDF-1.7\n"), u"Unsupported image format: this is a PDF document. "_s + types},
        {QByteArray::fromHex("ff0a7a00"), u"Unsupported image format: this is a JPEG XL picture. "_s + types},
        {QByteArray::fromHex("0000000c6a5020200d0a870a"),
         u"Unsupported image format: this is a JPEG 2000 picture. "_s + types},
        {QByteArray::fromHex("00010203ff"), u"Unsupported image format. "_s + types},
    };
    for (const auto &[bytes, text] : cases) {
        const PictureFileContents loaded = ReadPictureIn(bytes);
        EXPECT_FALSE(loaded.ok);
        EXPECT_EQ(PictureProblemText(loaded.problem), text);
    }
}

// Sizes over the limit are refused from the header, before decoding: a
// small file that claims a huge picture is a decompression bomb.
TEST_F(LibraryDecoders, HugePicturesAreRefusedFromTheHeader)
{
    const QString png = saved(Blocks(48, 32), u"opaque.png"_s);
    const QString heic = make(u"heif-enc"_s, {png, u"-o"_s, path(u"a.heic"_s)}, path(u"a.heic"_s));
    const QString tiff =
        make(u"convert"_s, {png, u"-monochrome"_s, u"-compress"_s, u"group4"_s, path(u"a.tif"_s)}, path(u"a.tif"_s));
    if (heic.isEmpty() || tiff.isEmpty())
        GTEST_SKIP() << "encoders not installed: " << m_missing.join(u' ').toStdString();
    // HEIF: the image spatial extents box, after its version and flags.
    QByteArray hugeHeif = ReadAll(heic);
    for (qsizetype at = hugeHeif.indexOf("ispe"); at >= 0; at = hugeHeif.indexOf("ispe", at + 1)) {
        qToBigEndian<quint32>(12000, hugeHeif.data() + at + 8);
        qToBigEndian<quint32>(11000, hugeHeif.data() + at + 12);
    }
    // TIFF: the width and length entries of the first directory.
    QByteArray hugeTiff = ReadAll(tiff);
    const qsizetype entries = qFromLittleEndian<quint32>(hugeTiff.constData() + 4);
    for (int i = 0; i < qFromLittleEndian<quint16>(hugeTiff.constData() + entries); ++i) {
        char *entry = hugeTiff.data() + entries + 2 + 12 * i;
        const quint16 tag = qFromLittleEndian<quint16>(entry);
        if (tag == 256 || tag == 257) {
            qToLittleEndian<quint16>(4, entry + 2); // LONG
            qToLittleEndian<quint32>(tag == 256 ? 12000 : 11000, entry + 8);
        }
    }
    for (const QByteArray &bytes : {hugeHeif, hugeTiff}) {
        const PictureFileContents loaded = ReadPictureIn(bytes);
        EXPECT_EQ(loaded.problem.kind, PictureProblem::Kind::TooLarge);
        EXPECT_EQ(loaded.problem.size, PictureSize(12000, 11000));
    }
}
