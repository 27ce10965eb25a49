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

namespace {

std::string qtTranslated(std::string_view context, std::string_view source)
{
    return QCoreApplication::translate(std::string(context).c_str(), std::string(source).c_str())
        .toStdString();
}

} // namespace

bool useLanguage(Language language)
{
    static QTranslator english;
    QCoreApplication::removeTranslator(&english);
    setTextTranslator(nullptr);
    if (language == Language::Serbian)
        return true;
    setTextTranslator(&qtTranslated);
    if (english.isEmpty() && !english.load(QStringLiteral(":/i18n/kelvane_en.qm")))
        return false;
    return QCoreApplication::installTranslator(&english);
}
