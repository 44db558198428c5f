// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/jpegfiles.h"

#include <QBuffer>
#include <QImageWriter>

#include <cstdio> // jpeglib.h needs FILE declared first
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

QByteArray QtJpeg(const QImage &picture, bool progressive)
{
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    QImageWriter writer(&device, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    writer.write(picture);
    return bytes;
}

QByteArray JpegWithRestarts(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    const std::unique_ptr<jpeg_compress_struct, void (*)(jpeg_compress_struct *)> guard(&info, jpeg_destroy_compress);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    info.restart_in_rows = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row[1] = {const_cast<JSAMPLE *>(rgb.constScanLine(static_cast<int>(info.next_scanline)))};
        jpeg_write_scanlines(&info, row, 1);
    }
    jpeg_finish_compress(&info);
    const std::unique_ptr<unsigned char, void (*)(void *)> owned(buffer, std::free);
    return QByteArray(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
}

QByteArray JpegOfChannels(const QImage &picture, int components, int colourSpace)
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    const std::unique_ptr<jpeg_compress_struct, void (*)(jpeg_compress_struct *)> guard(&info, jpeg_destroy_compress);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(argb.width());
    info.image_height = static_cast<JDIMENSION>(argb.height());
    info.input_components = components;
    info.in_color_space = components == 4 ? JCS_CMYK : JCS_UNKNOWN;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, static_cast<J_COLOR_SPACE>(colourSpace));
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(argb.width()) * std::size_t(components));
    while (info.next_scanline < info.image_height) {
        const uchar *pixels = argb.constScanLine(static_cast<int>(info.next_scanline));
        for (int x = 0; x < argb.width(); ++x)
            for (int c = 0; c < components; ++c)
                row[std::size_t(x * components + c)] = pixels[x * 4 + c];
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    const std::unique_ptr<unsigned char, void (*)(void *)> owned(buffer, std::free);
    return QByteArray(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
}

qsizetype MarkerAt(const QByteArray &jpeg, unsigned char marker, int occurrence)
{
    const char pattern[2] = {'\xFF', static_cast<char>(marker)};
    qsizetype at = -1;
    for (int found = 0; found <= occurrence; ++found) {
        at = jpeg.indexOf(QByteArrayView(pattern, 2), at + 1);
        if (at < 0)
            break;
    }
    return at;
}

QByteArray WithoutSegments(const QByteArray &jpeg, unsigned char marker)
{
    QByteArray kept = jpeg.left(2);
    // Each segment: 0xFF, its marker, a big-endian length that counts itself.
    for (qsizetype at = 2; at + 4 <= jpeg.size();) {
        const auto type = static_cast<unsigned char>(jpeg[at + 1]);
        if (type == 0xDA) {
            kept += jpeg.mid(at);
            break;
        }
        const qsizetype length =
            2 + (static_cast<unsigned char>(jpeg[at + 2]) << 8 | static_cast<unsigned char>(jpeg[at + 3]));
        if (type != marker)
            kept += jpeg.mid(at, length);
        at += length;
    }
    return kept;
}

QByteArray LosslessJpeg()
{
    return QByteArray::fromHex("ffd8"
                               // One Huffman code, '0', for a difference of zero.
                               "ffc40014"
                               "00"
                               "01000000000000000000000000000000"
                               "00"
                               // Lossless frame: 8 bits, 8 x 8, one component.
                               "ffc3000b"
                               "08000800080101"
                               "1100"
                               // One scan, predictor 1: every sample 128.
                               "ffda0008"
                               "010100010000"
                               "0000000000000000"
                               "ffd9");
}
