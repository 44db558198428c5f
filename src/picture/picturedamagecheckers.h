// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>

// One check per format, each given the whole file; see IsDamagedPicture.
bool IsDamagedJpeg(QByteArrayView file);
bool IsDamagedPng(QByteArrayView file);
bool IsDamagedBitmap(QByteArrayView file);
bool IsDamagedGif(QByteArrayView file);
