// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

Language systemLanguage()
{
    // "C" for the C and POSIX locales.
    const QStringList languages = QLocale::system().uiLanguages();
    return languageFor(languages.value(0).toStdString());
}

bool useLanguage(Language language)
{
    static QTranslator english;
    QCoreApplication::removeTranslator(&english);
    if (language == Language::Serbian)
        return true;
    if (english.isEmpty() && !english.load(QStringLiteral(":/i18n/kelvane_en.qm")))
        return false;
    return QCoreApplication::installTranslator(&english);
}
