#pragma once

#include "compression.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class Album;
class QIODevice;

// File layout, all integers little-endian:
//   0  4  magic "VAF\0"
//   4  4  password, unsigned; 0 means none
//   8  .. records: u16 length (payload + 2), u16 reserved (0), payload
// The device takes no file larger than AlbumSizeLimit bytes.
inline constexpr std::uint32_t AlbumMagic = 0x00464156;
inline constexpr qint64 AlbumHeaderSize = 8;
inline constexpr qint64 AlbumSizeLimit = 81'920;
inline constexpr qint64 RecordHeaderSize = 4;
// A reader stops after this many images so that a forged file of countless
// tiny records cannot take all memory; a real album holds under 3,000.
inline constexpr int MaxImagesPerRead = 10'000;

// The file name suffix of albums, without its dot.
inline const QString AlbumSuffix = QStringLiteral("valbum");

// The label an image goes by, in the window and in messages: its position,
// at least three digits ("007", "1234").
QString ImageLabel(int index);

// The size limit as people read it: "81,920".
QString AlbumSizeLimitText();

struct AlbumRecord
{
    qint64 offset = 0;   // where the record's length field starts
    int payloadSize = 0; // compressed bytes
};

enum class AlbumReadOutcome {
    Read,       // all records, or those before a stop
    NotAnAlbum, // shorter than the header or wrong magic; nothing taken
    OpenFailed, // could not be opened; nothing taken
};

// Why reading ended before the end of the file.
enum class AlbumReadStop {
    None,              // every byte of the file was read
    RecordPastEnd,     // a record's length runs past the end of the file
    RecordTooShort,    // a length of 0 or 1: no room for the reserved field
    PayloadTooLarge,   // a payload longer than CompressedImageCapacity
    NotDecompressible, // a payload the checked decompressor refused
    BytesLeftOver,     // 1 to 8 bytes after the last record, too few for another
    ImageCap,          // MaxImagesPerRead images were read and more bytes follow
};

// What a stop means, as a clause for a message: "a record runs past the end
// of the file". Empty for None.
QString ReadStopReason(AlbumReadStop stop);

// Everything one album file holds, decoded, before anything is applied to an
// Album, and how the reading ended. Front ends phrase it for their users.
struct AlbumFileContents
{
    AlbumReadOutcome outcome = AlbumReadOutcome::Read;
    AlbumReadStop stop = AlbumReadStop::None;
    qint64 stopOffset = 0; // first byte not read into an image, when stopped
    qint64 fileSize = 0;
    std::uint32_t password = 0;
    QList<QImage> images;             // 92 x 92 RGB32, in file order
    std::vector<AlbumRecord> records; // one per decoded image
    QString errorString;              // the system's reason for OpenFailed

    // An album whose every byte became an image.
    bool whole() const { return outcome == AlbumReadOutcome::Read && stop == AlbumReadStop::None; }
};

// Reads an album from an open device positioned at its start.
AlbumFileContents ParseAlbum(QIODevice &device);

// Opens `path` and reads it; an open failure gives OpenFailed with the
// system's reason in errorString.
AlbumFileContents ReadAlbumFile(const QString &path);

// Appends the file's images to `album` and sets its password text and path.
// Does nothing to `album` unless the outcome is Read.
void ApplyAlbumFile(Album &album, const AlbumFileContents &contents, const QString &path);

// Reads `path` into `album` (ReadAlbumFile, then ApplyAlbumFile).
AlbumFileContents ReadAlbum(Album &album, const QString &path);

using ImageCompressor = std::function<std::size_t(const PackedImage &, std::vector<std::uint8_t> &)>;

// Why an album could not be made or saved.
enum class AlbumWriteFailure {
    None,
    ImageNotAlbumSized,   // failedImage is not 92 x 92
    ImageNotCompressible, // failedImage does not compress into CompressedImageCapacity
    FileNotWritten,       // errorString holds the system's reason
};

// One image's record payload: packed and compressed, or why it cannot be.
struct ImageRecord
{
    AlbumWriteFailure failure = AlbumWriteFailure::None;
    QByteArray payload;

    qint64 recordSize() const { return RecordHeaderSize + payload.size(); }
};

// Packs and compresses one album image.
ImageRecord CompressAlbumImage(const QImage &image, const ImageCompressor &compress = CompressImage);

struct AlbumBytes
{
    bool ok = false;
    QByteArray bytes;
    int imagesWritten = 0;
    AlbumWriteFailure failure = AlbumWriteFailure::None;
    int failedImage = -1;
};

// The record of image `index`, made on demand or taken from a cache.
using ImageRecordSource = std::function<ImageRecord(int index)>;

// Encodes `count` records in order into album bytes: the header, then each
// record while the file stays within AlbumSizeLimit; the first record that
// does not fit ends the album. A record that failed fails the encoding, naming
// its position, unless it comes where no record it could have would fit: then
// it is left out like any other image past the limit.
AlbumBytes EncodeAlbumRecords(int count, const ImageRecordSource &recordAt, const QString &passwordText);

// The same for images compressed here, each only when its turn comes.
AlbumBytes EncodeAlbum(const QList<QImage> &images, const QString &passwordText,
                       const ImageCompressor &compress = CompressImage);

struct AlbumWriteResult
{
    bool ok = false;
    int imagesWritten = 0; // images that fitted under AlbumSizeLimit
    int imageCount = 0;    // images the album holds
    AlbumWriteFailure failure = AlbumWriteFailure::None;
    int failedImage = -1; // the image that failed, for the image failures
    QString errorString;  // the system's reason, for FileNotWritten
};

// Writes `bytes` to `path` atomically: the file is replaced only once all of
// them are safely written, so a failure leaves any previous file as it was.
// Returns the system's reason on failure, an empty string on success.
QString SaveAlbumBytes(const QString &path, const QByteArray &bytes);

// Encodes the images and password and saves them to `path` (EncodeAlbum, then
// SaveAlbumBytes): the one way an album is written.
AlbumWriteResult WriteAlbumFile(const QString &path, const QList<QImage> &images, const QString &passwordText,
                                const ImageCompressor &compress = CompressImage);

// The same from records already made (see EncodeAlbumRecords).
AlbumWriteResult WriteAlbumRecords(const QString &path, int count, const ImageRecordSource &recordAt,
                                   const QString &passwordText);

// Writes the album's password and images to `path` (WriteAlbumFile).
AlbumWriteResult WriteAlbum(const Album &album, const QString &path, const ImageCompressor &compress = CompressImage);
