// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QRgb>
#include <QString>

#include <functional>

// Colours whose exact grey, 0.3 R + 0.59 G + 0.11 B, is a half: there the
// rounding of the constants, not the decimal value, decides the grey. They are
// visited in the order R, then G, then B ascending.
void ForEachTieColour(const std::function<void(int r, int g, int b)> &visit);

// The checked-in table of those colours' greys: one bit per tie colour in
// visiting order, least significant bit first, set when the half is rounded
// up. Stored as base64 lines after '#' comment lines.
QString TieTablePath();
QByteArray ParseTieTable(const QByteArray &text);
QByteArray FormatTieTable(const QByteArray &bits);
