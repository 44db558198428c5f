// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Whether a whole picture file of `format` (a Qt image format name in lower
// case, as the reader detected it from the contents) is damaged: a JPEG or PNG
// whose data ends early or does not decode cleanly, a bitmap whose pixel data
// is shorter than its header says or whose run-length data runs past a row or
// the picture, a GIF that ends inside a block. False for anything it cannot
// judge (ICO, headers too odd to read), which the image readers then accept or
// refuse themselves.
bool IsDamagedPicture(const QByteArray &format, QByteArrayView file);
