// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The language of a user who prefers `uiLanguages`, in order, as
// QLocale::uiLanguages() lists them ("de-DE", "de", "en-US"): the first that
// is English or the C locale, or that the program has a translation of.
// Empty for English, the language the program is written in.
QString ChosenLanguage(const QStringList &uiLanguages);

// Makes the program speak a language while it lives: the program's own
// translation and Qt's (for its dialogs and the command-line parser's
// messages) are installed in the application, which must exist, and numbers
// follow the language's locale (TextLocale). Qt's translation is loaded
// only with the program's own, so a window never speaks two languages:
// a language the program has no translation of leaves everything English.
class SpokenLanguage
{
public:
    // The system's language: QLocale::system(), which Qt builds from
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
    SpokenLanguage();
    // `uiLanguage` as ChosenLanguage takes it ("de", "ja-JP"); anything
    // English, or without a translation, gives English.
    explicit SpokenLanguage(const QString &uiLanguage);
    // English again, and its numbers.
    ~SpokenLanguage();
    SpokenLanguage(const SpokenLanguage &) = delete;
    SpokenLanguage &operator=(const SpokenLanguage &) = delete;

    // The language spoken, as ChosenLanguage names it; empty for English.
    const QString &language() const { return m_language; }

private:
    void speak(const QString &language);

    QString m_language;
    QTranslator m_own;
    QTranslator m_qt;
};
