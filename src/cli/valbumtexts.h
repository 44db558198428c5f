// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

// The translators' context of valbum's own words: its help, its problems on
// standard error and its progress line. What it prints on standard output
// (the albums, pictures and files it wrote, list's lines and JSON) is its
// output format, which scripts read, and stays as it is in every language.
struct Valbum
{
    Q_DECLARE_TR_FUNCTIONS(Valbum)
};

// The translated description of an option whose text was marked with
// QT_TRANSLATE_NOOP("Valbum", ...) where it was made, before any language
// was chosen.
inline QString TranslatedDescription(const QString &description)
{
    return QCoreApplication::translate("Valbum", description.toUtf8().constData());
}
