// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language/spokenlanguage.h"

#include "language/textlocale.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace {

// The compiled-in translations (src/language/CMakeLists.txt).
QString translationPath(const QString &language)
{
    return QStringLiteral(":/i18n/valbum_%1.qm").arg(language);
}

// "de" for "de-AT" and "de_AT": the translations are per language, not per country.
QString languageCode(const QLocale &locale)
{
    return QLocale::languageToCode(locale.language());
}

bool isEnglish(const QLocale &locale)
{
    return locale.language() == QLocale::C || locale.language() == QLocale::English;
}

} // namespace

// Outside any namespace, as the resource's own functions are.
static void registerTranslations()
{
    Q_INIT_RESOURCE(valbum_translations);
}

QString ChosenLanguage(const QStringList &uiLanguages)
{
    registerTranslations();
    for (const QString &name : uiLanguages) {
        const QLocale locale(name);
        if (isEnglish(locale))
            return {};
        // A translation that holds no text yet (lupdate's new file for a
        // language nobody has translated) is no translation.
        QTranslator translation;
        if (translation.load(translationPath(languageCode(locale))) && !translation.isEmpty())
            return name;
    }
    return {};
}

SpokenLanguage::SpokenLanguage()
{
    speak(ChosenLanguage(QLocale::system().uiLanguages()));
}

SpokenLanguage::SpokenLanguage(const QString &uiLanguage)
{
    speak(ChosenLanguage({uiLanguage}));
}

void SpokenLanguage::speak(const QString &language)
{
    registerTranslations();
    if (language.isEmpty())
        return;
    const QLocale locale(language);
    if (!m_own.load(translationPath(languageCode(locale))))
        return;
    m_language = language;
    QCoreApplication::installTranslator(&m_own);
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    SetTextLocale(locale);
}

SpokenLanguage::~SpokenLanguage()
{
    // The translators remove themselves as they are destroyed.
    if (!m_language.isEmpty())
        SetTextLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}
