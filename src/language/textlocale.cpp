// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language/textlocale.h"

#include <QCoreApplication>
#include <QMutex>
#include <QTranslator>

namespace {

// Set once the program knows its language, and read from worker threads
// (valbum's progress line) from then on.
QMutex &localeLock()
{
    static QMutex lock;
    return lock;
}

QLocale &textLocale()
{
    static QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

} // namespace

QLocale TextLocale()
{
    const QMutexLocker locker(&localeLock());
    return textLocale();
}

QString LocaleNumber(qint64 value)
{
    return TextLocale().toString(value);
}

void SetTextLocale(const QLocale &locale)
{
    const QMutexLocker locker(&localeLock());
    textLocale() = locale;
}

// English's own plural forms ("1 image", "2 images") are part of the English
// text: installed with every application object, before any translation, so
// a program or a test that chooses no language still writes them, and a
// translation installed later is asked first. Here, because everything that
// writes a count links this file.
static void installEnglishPlurals()
{
    Q_INIT_RESOURCE(valbum_translations);
    static QTranslator plurals;
    if (plurals.isEmpty() && !plurals.load(QStringLiteral(":/i18n/valbum_en.qm")))
        return;
    QCoreApplication::installTranslator(&plurals);
}
Q_COREAPP_STARTUP_FUNCTION(installEnglishPlurals)
