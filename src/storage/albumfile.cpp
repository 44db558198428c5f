#include "albumfile.h"

#include "album.h"
#include "password.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <array>

namespace {

template <typename T>
bool readLittleEndian(QIODevice &device, T &value)
{
    std::array<char, sizeof(T)> bytes{};
    if (device.read(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        return false;
    value = qFromLittleEndian<T>(bytes.data());
    return true;
}

template <typename T>
void appendLittleEndian(QByteArray &out, T value)
{
    std::array<char, sizeof(T)> bytes{};
    qToLittleEndian<T>(value, bytes.data());
    out.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void stopWithDecompressionError(AlbumFileContents &contents)
{
    contents.decompressionFailed = true;
    contents.message = DecompressionErrorMessage;
    contents.caption = AlbumEditorCaption;
}

} // namespace

QString WithClosingPeriod(const QString &text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

QString CannotOpenMessage(const QString &path, const QString &reason)
{
    QString trimmed = reason;
    while (!trimmed.isEmpty() && (trimmed.back() == QLatin1Char('.') || trimmed.back().unicode() <= 32))
        trimmed.chop(1);
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, trimmed);
}

AlbumFileContents ParseAlbum(QIODevice &device)
{
    AlbumFileContents contents;
    const qint64 size = device.size();

    std::uint32_t magic = 0;
    if (size < AlbumHeaderSize || !readLittleEndian(device, magic) || magic != AlbumMagic
        || !readLittleEndian(device, contents.password)) {
        contents = AlbumFileContents{};
        contents.outcome = AlbumReadOutcome::NotAnAlbum;
        contents.message = NotAnAlbumMessage;
        contents.caption = NotAnAlbumCaption;
        return contents;
    }

    std::vector<std::uint8_t> payload(CompressedImageCapacity);
    PackedImage packed{};
    qint64 position = AlbumHeaderSize;

    // A record is started only while more than eight bytes remain.
    while (position < size - AlbumHeaderSize && contents.images.size() < MaxImagesPerRead) {
        const qint64 recordOffset = position;
        std::uint16_t length = 0;
        if (!readLittleEndian(device, length))
            break;
        position += 2;
        // `length` counts the reserved field and the payload. A record that runs
        // past the end, is empty, or carries more than a reader's buffer ends
        // the album without a word.
        if (position + length > size || length < 2 || length - 2 > static_cast<int>(CompressedImageCapacity))
            break;
        const auto payloadSize = static_cast<qint64>(length) - 2;
        if (!device.skip(2) || device.read(reinterpret_cast<char *>(payload.data()), payloadSize) != payloadSize)
            break;
        position += length;

        if (DecompressImage(std::span(payload.data(), static_cast<std::size_t>(payloadSize)), packed) == 0) {
            stopWithDecompressionError(contents);
            break;
        }
        QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
        DecodeImage(packed, image);
        contents.images.append(std::move(image));
        contents.records.push_back({recordOffset, static_cast<int>(payloadSize)});
    }
    return contents;
}

AlbumFileContents ReadAlbumFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        AlbumFileContents contents;
        contents.outcome = AlbumReadOutcome::OpenFailed;
        contents.errorString = file.errorString();
        contents.message = CannotOpenMessage(path, contents.errorString);
        return contents;
    }
    return ParseAlbum(file);
}

void ApplyAlbumFile(Album &album, const AlbumFileContents &contents, const QString &path)
{
    if (contents.outcome != AlbumReadOutcome::Read)
        return;
    album.setPasswordText(PasswordTextFromStored(contents.password));
    for (const QImage &image : contents.images)
        album.append(image);
    album.setCurrentPath(path);
}

AlbumFileContents ReadAlbum(Album &album, const QString &path)
{
    AlbumFileContents contents = ReadAlbumFile(path);
    ApplyAlbumFile(album, contents, path);
    return contents;
}

AlbumBytes EncodeAlbum(const QList<QImage> &images, const QString &passwordText, const ImageCompressor &compress)
{
    AlbumBytes result;
    result.bytes.reserve(AlbumSizeLimit);
    appendLittleEndian<std::uint32_t>(result.bytes, AlbumMagic);
    appendLittleEndian<std::uint32_t>(result.bytes, StoredPassword(passwordText));

    PackedImage packed{};
    std::vector<std::uint8_t> compressed;
    for (int index = 0; index < images.size(); ++index) {
        // Album images are 92 x 92; anything else would leave stale bytes in the record.
        if (EncodeImage(images.at(index), packed) != PackedImageSize) {
            result.errorString = QStringLiteral("Image %1 is not 92 x 92 pixels").arg(QString::asprintf("%3.3d", index));
            return result;
        }
        const std::size_t compressedSize = compress(packed, compressed);
        if (compressedSize == 0 || compressedSize > CompressedImageCapacity || compressed.size() < compressedSize) {
            result.errorString = QStringLiteral("Image %1 cannot be compressed")
                                     .arg(QString::asprintf("%3.3d", index));
            return result;
        }
        const auto length = static_cast<std::uint16_t>(compressedSize + 2);
        // The record is written only if it ends within the limit; the first
        // one that does not fit ends the album.
        if (result.bytes.size() + length + 2 > AlbumSizeLimit)
            break;
        appendLittleEndian<std::uint16_t>(result.bytes, length);
        appendLittleEndian<std::uint16_t>(result.bytes, 0);
        result.bytes.append(reinterpret_cast<const char *>(compressed.data()),
                            static_cast<qsizetype>(compressedSize));
        ++result.imagesWritten;
    }
    result.ok = true;
    return result;
}

AlbumWriteResult WriteAlbum(const Album &album, const QString &path, const ImageCompressor &compress)
{
    AlbumWriteResult result;
    result.imageCount = album.count();

    const AlbumBytes encoded = EncodeAlbum(album.images(), album.passwordText(), compress);
    if (!encoded.ok) {
        result.errorString = encoded.errorString;
        return result;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.errorString = file.errorString();
        return result;
    }
    if (file.write(encoded.bytes) != encoded.bytes.size()) {
        result.errorString = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.errorString = file.errorString();
        return result;
    }
    result.ok = true;
    result.imagesWritten = encoded.imagesWritten;
    return result;
}
