// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the JPEG damage check and the checked decoder hear from libjpeg: an error
// jumps back to the caller, and so does the first warning that means the data
// is damaged. Only for the files in this folder that call libjpeg.

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first

#include <jerror.h>
#include <jpeglib.h>

struct JpegDamageReporter
{
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    bool headerRead = false;
    bool damageWarned = false;

    // Sets up the manager and hands it to `info`, which must not be created yet.
    void attachTo(jpeg_decompress_struct &info);
    // What the library's complaint means once it has jumped back: a header it
    // read followed by an error, or any damage warning, is a damaged file; a
    // header it could not read at all may be a kind of JPEG it does not
    // support, which the image reader judges.
    bool sawDamage() const { return headerRead || damageWarned; }
};

// Frees what the library allocated; safe on a struct it never set up.
class JpegDecompressGuard
{
public:
    explicit JpegDecompressGuard(jpeg_decompress_struct &info)
        : m_info(info)
    {
    }
    ~JpegDecompressGuard() { jpeg_destroy_decompress(&m_info); }
    JpegDecompressGuard(const JpegDecompressGuard &) = delete;
    JpegDecompressGuard &operator=(const JpegDecompressGuard &) = delete;

private:
    jpeg_decompress_struct &m_info;
};
