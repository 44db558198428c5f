#include "albumfile.h"

#include "album.h"
#include "password.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QtEndian>

#include <array>
#include <cerrno>

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

// The reserved field: written as zero, never checked.
constexpr qint64 ReservedFieldSize = 2;

void stopAt(AlbumFileContents &contents, AlbumReadStop stop, qint64 offset)
{
    contents.stop = stop;
    contents.stopOffset = offset;
}

// The reason a save failed. QSaveFile reports a failure of its final flush,
// sync or rename without a reason ("Unknown error"), while errno, taken
// right after the failing call, still holds the system's.
QString SystemReason(const QFileDevice &file, int errorNumber)
{
    if (file.error() != QFileDevice::NoError && file.errorString() != QStringLiteral("Unknown error"))
        return file.errorString();
    return errorNumber != 0 ? qt_error_string(errorNumber) : file.errorString();
}

} // namespace

QString ImageLabel(int index)
{
    return QString::asprintf("%3.3d", index);
}

QString AlbumSizeLimitText()
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(AlbumSizeLimit);
}

QString ReadStopReason(AlbumReadStop stop)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    switch (stop) {
    case AlbumReadStop::None:
        break;
    case AlbumReadStop::RecordPastEnd:
        return QStringLiteral("a record runs past the end of the file");
    case AlbumReadStop::RecordTooShort:
        return QStringLiteral("a record is too short to hold an image");
    case AlbumReadStop::PayloadTooLarge:
        return QStringLiteral("a record is larger than %1 bytes")
            .arg(english.toString(static_cast<qulonglong>(CompressedImageCapacity)));
    case AlbumReadStop::NotDecompressible:
        return QStringLiteral("a record does not decompress");
    case AlbumReadStop::BytesLeftOver:
        return QStringLiteral("bytes are left over after the last image");
    case AlbumReadStop::ImageCap:
        return QStringLiteral("no more than %1 images are read from one file").arg(english.toString(MaxImagesPerRead));
    }
    return {};
}

AlbumFileContents ParseAlbum(QIODevice &device)
{
    AlbumFileContents contents;
    const qint64 size = device.size();
    contents.fileSize = size;

    std::uint32_t magic = 0;
    if (size < AlbumHeaderSize || !readLittleEndian(device, magic) || magic != AlbumMagic
        || !readLittleEndian(device, contents.password)) {
        contents = AlbumFileContents{};
        contents.outcome = AlbumReadOutcome::NotAnAlbum;
        contents.fileSize = size;
        return contents;
    }

    std::vector<std::uint8_t> payload(CompressedImageCapacity);
    PackedImage packed{};
    qint64 position = AlbumHeaderSize;

    // A record is started only while more than eight bytes remain; no real
    // record is that short, so fewer left over are damage too.
    while (position < size - AlbumHeaderSize && contents.images.size() < MaxImagesPerRead) {
        const qint64 recordOffset = position;
        std::uint16_t length = 0;
        if (!readLittleEndian(device, length)) {
            stopAt(contents, AlbumReadStop::RecordPastEnd, recordOffset);
            return contents;
        }
        position += 2;
        // `length` counts the reserved field and the payload.
        if (position + length > size) {
            stopAt(contents, AlbumReadStop::RecordPastEnd, recordOffset);
            return contents;
        }
        if (length < ReservedFieldSize) {
            stopAt(contents, AlbumReadStop::RecordTooShort, recordOffset);
            return contents;
        }
        const qint64 payloadSize = length - ReservedFieldSize;
        if (payloadSize > static_cast<qint64>(CompressedImageCapacity)) {
            stopAt(contents, AlbumReadStop::PayloadTooLarge, recordOffset);
            return contents;
        }
        if (!device.skip(ReservedFieldSize)
            || device.read(reinterpret_cast<char *>(payload.data()), payloadSize) != payloadSize) {
            stopAt(contents, AlbumReadStop::RecordPastEnd, recordOffset);
            return contents;
        }
        position += length;

        if (DecompressImage(std::span(payload.data(), static_cast<std::size_t>(payloadSize)), packed) == 0) {
            stopAt(contents, AlbumReadStop::NotDecompressible, recordOffset);
            return contents;
        }
        QImage image(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
        DecodeImage(packed, image);
        contents.images.append(std::move(image));
        contents.records.push_back({recordOffset, static_cast<int>(payloadSize)});
    }
    if (position < size)
        stopAt(contents,
               contents.images.size() >= MaxImagesPerRead ? AlbumReadStop::ImageCap : AlbumReadStop::BytesLeftOver,
               position);
    return contents;
}

AlbumFileContents ReadAlbumFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        AlbumFileContents contents;
        contents.outcome = AlbumReadOutcome::OpenFailed;
        contents.errorString = file.errorString();
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

ImageRecord CompressAlbumImage(const QImage &image, const ImageCompressor &compress)
{
    ImageRecord record;
    PackedImage packed{};
    // Album images are 92 x 92; anything else would leave stale bytes in the record.
    if (EncodeImage(image, packed) != PackedImageSize) {
        record.failure = AlbumWriteFailure::ImageNotAlbumSized;
        return record;
    }
    std::vector<std::uint8_t> compressed;
    const std::size_t compressedSize = compress(packed, compressed);
    if (compressedSize == 0 || compressedSize > CompressedImageCapacity || compressed.size() < compressedSize) {
        record.failure = AlbumWriteFailure::ImageNotCompressible;
        return record;
    }
    record.payload =
        QByteArray(reinterpret_cast<const char *>(compressed.data()), static_cast<qsizetype>(compressedSize));
    return record;
}

AlbumBytes EncodeAlbumRecords(int count, const ImageRecordSource &recordAt, const QString &passwordText)
{
    AlbumBytes result;
    result.bytes.reserve(AlbumSizeLimit);
    appendLittleEndian<std::uint32_t>(result.bytes, AlbumMagic);
    appendLittleEndian<std::uint32_t>(result.bytes, StoredPassword(passwordText));

    // The smallest record an image that failed to compress could have had.
    constexpr qint64 SmallestOversizeRecord = RecordHeaderSize + CompressedImageCapacity + 1;
    for (int index = 0; index < count; ++index) {
        const ImageRecord record = recordAt(index);
        if (record.failure == AlbumWriteFailure::ImageNotCompressible
            && result.bytes.size() + SmallestOversizeRecord > AlbumSizeLimit)
            break; // it would have been left out whatever its size
        if (record.failure != AlbumWriteFailure::None) {
            result.failure = record.failure;
            result.failedImage = index;
            return result;
        }
        // The record is written only if it ends within the limit; the first
        // one that does not fit ends the album.
        if (result.bytes.size() + record.recordSize() > AlbumSizeLimit)
            break;
        appendLittleEndian<std::uint16_t>(result.bytes, static_cast<std::uint16_t>(record.payload.size() + 2));
        appendLittleEndian<std::uint16_t>(result.bytes, 0);
        result.bytes.append(record.payload);
        ++result.imagesWritten;
    }
    result.ok = true;
    return result;
}

AlbumBytes EncodeAlbum(const QList<QImage> &images, const QString &passwordText, const ImageCompressor &compress)
{
    return EncodeAlbumRecords(
        static_cast<int>(images.size()), [&](int index) { return CompressAlbumImage(images.at(index), compress); },
        passwordText);
}

QString SaveAlbumBytes(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, a failing write reports the system's reason itself rather
    // than leaving it to a flush inside commit().
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const QString reason = SystemReason(file, errno);
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    if (!file.commit())
        return SystemReason(file, errno);
    return {};
}

AlbumWriteResult WriteAlbumRecords(const QString &path, int count, const ImageRecordSource &recordAt,
                                   const QString &passwordText)
{
    AlbumWriteResult result;
    result.imageCount = count;
    const AlbumBytes encoded = EncodeAlbumRecords(count, recordAt, passwordText);
    if (!encoded.ok) {
        result.failure = encoded.failure;
        result.failedImage = encoded.failedImage;
        return result;
    }
    result.errorString = SaveAlbumBytes(path, encoded.bytes);
    if (!result.errorString.isEmpty()) {
        result.failure = AlbumWriteFailure::FileNotWritten;
        return result;
    }
    result.ok = true;
    result.imagesWritten = encoded.imagesWritten;
    return result;
}

AlbumWriteResult WriteAlbumFile(const QString &path, const QList<QImage> &images, const QString &passwordText,
                                const ImageCompressor &compress)
{
    return WriteAlbumRecords(
        path, static_cast<int>(images.size()),
        [&](int index) { return CompressAlbumImage(images.at(index), compress); }, passwordText);
}

AlbumWriteResult WriteAlbum(const Album &album, const QString &path, const ImageCompressor &compress)
{
    return WriteAlbumFile(path, album.images(), album.passwordText(), compress);
}
