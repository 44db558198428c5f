// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture layer's edge to the codec: QImages of any format go in, RGB32
// album images come out.

#include "picture/albumbitmap.h"

#include "support/testpictures.h"

#include <gtest/gtest.h>

TEST(AlbumBitmapEdge, OtherPixelFormatsEncodeAsTheirRgb32Form)
{
    QImage rgb888(AlbumImageSide, AlbumImageSide, QImage::Format_RGB888);
    rgb888.fill(QColor(36, 36, 36));
    PackedImage packed{};
    ASSERT_EQ(EncodeImageOf(rgb888, packed), PackedImageSize);
    PackedImage expected{};
    expected.fill(0x44);
    EXPECT_EQ(packed, expected);
}

TEST(AlbumBitmapEdge, DecodingReplacesAWrongBitmapAndMatchesTheCodec)
{
    PackedImage packed{};
    ASSERT_EQ(EncodeImageOf(NoisyImage(4), packed), PackedImageSize);
    QImage image(10, 10, QImage::Format_ARGB32);
    DecodeImageInto(packed, image);
    ASSERT_EQ(image.size(), QSize(92, 92));
    ASSERT_EQ(image.format(), QImage::Format_RGB32);

    AlbumBitmap bitmap;
    DecodeImage(packed, bitmap);
    EXPECT_EQ(ToQImage(bitmap), image);
    EXPECT_EQ(DeviceViewOf(NoisyImage(4)), image);
    EXPECT_TRUE(ViewOf(QImage(4, 4, QImage::Format_Indexed8)).pixels == nullptr);
}
