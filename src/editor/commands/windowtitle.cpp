// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/commands/windowtitle.h"

QString LiteralWindowTitle(const QString &text)
{
    const QString placeholder = QStringLiteral("[*]");
    QString title = text;
    return title.replace(placeholder, placeholder + placeholder);
}
