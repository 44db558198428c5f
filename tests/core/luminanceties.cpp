// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "luminanceties.h"

#include <QList>

void ForEachTieColour(const std::function<void(int r, int g, int b)> &visit)
{
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b)
                if ((30 * r + 59 * g + 11 * b) % 100 == 50)
                    visit(r, g, b);
}

QString TieTablePath()
{
    return QStringLiteral(VALBUM_TIE_TABLE);
}

QByteArray ParseTieTable(const QByteArray &text)
{
    QByteArray base64;
    for (const QByteArray &line : text.split('\n'))
        if (!line.startsWith('#'))
            base64 += line.trimmed();
    const auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

QByteArray FormatTieTable(const QByteArray &bits)
{
    QByteArray text = "# Grey of every colour whose exact 0.3 R + 0.59 G + 0.11 B is a half, as x87\n"
                      "# long double rounds it: one bit per such colour (R, then G, then B ascending),\n"
                      "# least significant bit first, 1 = rounded up. Written by\n"
                      "#   core_x87_tests --write-tie-table tests/core/luminance_ties.b64\n";
    const QByteArray base64 = bits.toBase64();
    for (qsizetype at = 0; at < base64.size(); at += 76)
        text += base64.mid(at, 76) + '\n';
    return text;
}
