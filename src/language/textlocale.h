// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

// The locale numbers are written in: the spoken language's (see
// SpokenLanguage), or American English while the program speaks English, as
// it always wrote them ("81,920").
QLocale TextLocale();

// A number with the spoken language's separators: "81,920", "81.920".
QString LocaleNumber(qint64 value);

// Makes `locale` the one TextLocale returns; SpokenLanguage calls it.
void SetTextLocale(const QLocale &locale);
