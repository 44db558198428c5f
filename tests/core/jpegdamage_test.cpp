// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// JPEG files as cameras, editors and broken tools write them: whole ones with
// odd bytes come in with every pixel, damaged ones and kinds the decoder cannot
// decode are refused, each with its reason.

#include "messages/picturetexts.h"
#include "picture/picturefile.h"

#include "support/jpegfiles.h"
#include "support/readpictures.h"
#include "support/testpictures.h"

#include <QBuffer>
#include <QColorSpace>

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace {

PictureFileContents Read(const QByteArray &bytes)
{
    return ReadPictureIn(bytes);
}

const QByteArray Junk("\x00\x01stray bytes\x00", 14);

QByteArray Inserted(const QByteArray &file, qsizetype at, const QByteArray &bytes)
{
    EXPECT_GT(at, 0);
    return file.left(at) + bytes + file.mid(at);
}

// An EXIF segment whose first directory lies far past its end.
const QByteArray BrokenExif = QByteArray::fromHex("ffe10010"
                                                  "457869660000"
                                                  "49492a00ffffff7f");

// The colour profile segment moved from before the frame header to after it.
QByteArray ProfileAfterFrame(const QByteArray &jpeg)
{
    const qsizetype profileAt = MarkerAt(jpeg, 0xE2);
    const qsizetype profileLength = 2 + (uchar(jpeg[profileAt + 2]) << 8 | uchar(jpeg[profileAt + 3]));
    QByteArray moved = jpeg.left(profileAt) + jpeg.mid(profileAt + profileLength);
    const qsizetype frameAt = MarkerAt(moved, 0xC0);
    const qsizetype frameLength = 2 + (uchar(moved[frameAt + 2]) << 8 | uchar(moved[frameAt + 3]));
    return Inserted(moved, frameAt + frameLength, jpeg.mid(profileAt, profileLength));
}

QByteArray WithoutLastScans(const QByteArray &progressive)
{
    int scans = 0;
    while (MarkerAt(progressive, 0xDA, scans) >= 0)
        ++scans;
    return progressive.left(MarkerAt(progressive, 0xDA, scans - 2)) + QByteArray("\xFF\xD9");
}

// The baseline frame header changed in place: `at` counts from its marker.
QByteArray WithFrameBytes(QByteArray jpeg, std::initializer_list<std::pair<int, char>> changes)
{
    const qsizetype frame = MarkerAt(jpeg, 0xC0);
    for (const auto &[at, value] : changes)
        jpeg[frame + at] = value;
    return jpeg;
}

struct Case
{
    std::string name;
    QByteArray file;
    QByteArray whole; // the file whose pixels it shows when it comes in
    PictureProblem::Kind refusal = PictureProblem::Kind::None;
    std::optional<UnsupportedJpeg> kind = std::nullopt;
};

} // namespace

TEST(JpegKinds, WholeFilesComeInDamagedAndUnsupportedAreRefused)
{
    const QImage photo = NoisyPicture(64, 48, 22);
    const QByteArray jpeg = QtJpeg(photo);
    const QByteArray restarts = JpegWithRestarts(photo);
    const QByteArray exif = QByteArray::fromHex("ffe10016457869660000"
                                                "49492a0008000000"
                                                "000000000000");
    const QByteArray withExif = Inserted(jpeg, 2, exif);
    QImage profiled = photo;
    profiled.setColorSpace(QColorSpace::DisplayP3);
    const QByteArray withProfile = QtJpeg(profiled);
    const qsizetype restart = MarkerAt(restarts, 0xD0);
    const QByteArray dhp = QByteArray::fromHex("ffde000b080008000801011100");
    using Kind = PictureProblem::Kind;
    const QList<Case> cases{
        {"bytes before the end marker", Inserted(jpeg, jpeg.size() - 2, Junk), jpeg},
        {"bytes before a quantisation table", Inserted(jpeg, MarkerAt(jpeg, 0xDB), Junk), jpeg},
        {"bytes before an EXIF segment", Inserted(withExif, 2, Junk), withExif},
        {"bytes before a restart marker", Inserted(restarts, restart, Junk), restarts},
        {"standard Huffman tables left out", WithoutSegments(jpeg, 0xC4), jpeg},
        {"broken EXIF segment", Inserted(jpeg, 2, BrokenExif), jpeg},
        {"colour profile after the frame header", ProfileAfterFrame(withProfile), withProfile},
        {"cut short", jpeg.left(jpeg.size() * 2 / 3), {}, Kind::Damaged},
        {"restart marker lost", restarts.left(restart) + restarts.mid(restart + 2), {}, Kind::Damaged},
        {"progressive without its last scans", WithoutLastScans(QtJpeg(photo, true)), {}, Kind::Damaged},
        {"lossless", LosslessJpeg(), {}, Kind::UnsupportedJpeg, UnsupportedJpeg::Lossless},
        {"hierarchical", Inserted(LosslessJpeg(), 2, dhp), {}, Kind::UnsupportedJpeg, UnsupportedJpeg::Hierarchical},
        {"12 bits a sample",
         WithFrameBytes(jpeg, {{1, '\xC1'}, {4, 12}}),
         {},
         Kind::UnsupportedJpeg,
         UnsupportedJpeg::TwelveBit},
        // Luma three blocks across, chroma two: no whole upsampling factor.
        {"fractional colour sampling",
         WithFrameBytes(jpeg, {{11, 0x32}, {14, 0x21}, {17, 0x21}}),
         {},
         Kind::UnsupportedJpeg,
         UnsupportedJpeg::FractionalSampling},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const PictureFileContents loaded = Read(c.file);
        if (c.refusal == Kind::None) {
            EXPECT_TRUE(loaded.ok) << PictureProblemText(loaded.problem).toStdString();
            const RgbPicture whole = Read(c.whole).picture;
            EXPECT_FALSE(whole.isNull());
            EXPECT_EQ(loaded.picture, whole);
            continue;
        }
        EXPECT_FALSE(loaded.ok);
        EXPECT_EQ(loaded.problem.kind, c.refusal);
        if (c.kind) {
            EXPECT_EQ(loaded.problem.jpegKind, *c.kind);
        }
    }
}

TEST(JpegKinds, UnsupportedKindsAreNamed)
{
    PictureProblem problem;
    problem.kind = PictureProblem::Kind::UnsupportedJpeg;
    problem.jpegKind = UnsupportedJpeg::Lossless;
    EXPECT_EQ(PictureProblemText(problem), QStringLiteral("Lossless JPEG is not supported."));
    problem.jpegKind = UnsupportedJpeg::ArithmeticCoded;
    EXPECT_EQ(PictureProblemText(problem), QStringLiteral("Arithmetic-coded JPEG is not supported."));
}
