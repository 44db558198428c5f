#pragma once

#include "compression.h"

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

inline const QString AlbumEditorCaption = QStringLiteral("Vemo ZidarUzura editor");
inline const QString NotAnAlbumCaption = QStringLiteral("Vemo ZidarUzura");
inline const QString NotAnAlbumMessage = QStringLiteral("This file is not a Vemo ZidarUzura");
inline const QString DecompressionErrorMessage = QStringLiteral("LZO Uncompression error");

struct AlbumRecord
{
    qint64 offset = 0;     // where the record's length field starts
    int payloadSize = 0;   // compressed bytes
};

enum class AlbumReadOutcome {
    Read,        // all records, or those before a stop
    NotAnAlbum,  // shorter than the header or wrong magic; nothing taken
    OpenFailed,  // could not be opened; nothing taken
};

// Everything one album file holds, decoded, before anything is applied to an Album.
struct AlbumFileContents
{
    AlbumReadOutcome outcome = AlbumReadOutcome::Read;
    std::uint32_t password = 0;
    QList<QImage> images;             // 92 x 92 RGB32, in file order
    std::vector<AlbumRecord> records; // one per decoded image
    bool decompressionFailed = false; // reading stopped at a record that did not decompress
    QString errorString;              // the system's reason for OpenFailed

    // The message box this read calls for, empty when none: not an album, a
    // record that did not decompress, or the open failure (without its final
    // period, which the general error box adds).
    QString message;
    QString caption; // empty for the open failure: the application title is used
};

// Reads an album from an open device positioned at its start.
AlbumFileContents ParseAlbum(QIODevice &device);

// Opens `path` and reads it; an open failure gives OpenFailed with the message
// "Cannot open file "<path>". <reason>".
AlbumFileContents ReadAlbumFile(const QString &path);

// Appends the file's images to `album` and sets its password text and path.
// Does nothing to `album` unless the outcome is Read.
void ApplyAlbumFile(Album &album, const AlbumFileContents &contents, const QString &path);

// Reads `path` into `album` (ReadAlbumFile, then ApplyAlbumFile). The caller
// shows contents.message when it is not empty.
AlbumFileContents ReadAlbum(Album &album, const QString &path);

using ImageCompressor = std::function<std::size_t(const PackedImage &, std::vector<std::uint8_t> &)>;

struct AlbumWriteResult
{
    bool ok = false;
    int imagesWritten = 0; // images that fitted under AlbumSizeLimit
    int imageCount = 0;    // images the album holds
    QString errorString;   // why the write failed
};

struct AlbumBytes
{
    bool ok = false;
    QByteArray bytes;
    int imagesWritten = 0;
    QString errorString;
};

// Encodes `images` in order into album bytes: the header, then each image's
// record while the file stays within AlbumSizeLimit; the first image that does
// not fit ends the album. An image that cannot be compressed fails the whole
// encoding, with a reason that names its position.
AlbumBytes EncodeAlbum(const QList<QImage> &images, const QString &passwordText,
                       const ImageCompressor &compress = CompressImage);

// Writes the album's password and images to `path` atomically: the file is
// replaced only once everything is written, so a failure leaves any previous
// file as it was.
AlbumWriteResult WriteAlbum(const Album &album, const QString &path,
                            const ImageCompressor &compress = CompressImage);

// The open-failure message "Cannot open file "<path>". <reason>", with trailing
// periods and blanks cut from the reason.
QString CannotOpenMessage(const QString &path, const QString &reason);

// The message box text rule: a period is appended when the text is not empty
// and its last character sorts after '.'.
QString WithClosingPeriod(const QString &text);
