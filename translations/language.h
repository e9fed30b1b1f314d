// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The language the game speaks. The game is written in English; German, French and
// Spanish translations are compiled into the programs. The desktop's preferred
// languages (QLocale::uiLanguages(), from LANGUAGE, LC_ALL, LC_MESSAGES and LANG)
// are read in order, and the first that is English or one of those three wins. In
// English nothing is loaded at all, so the texts are the written ones and start-up
// does no extra work.

#include <QStringList>

#include <memory>

class QCoreApplication;
class QTranslator;

namespace ttt::i18n {

// The languages shipped besides English, as two-letter codes.
const QStringList& shippedLanguages();

// The code of the first language in `preferred` the game ships ("de", "fr", "es"), or
// an empty string when an English one ("en-GB", "C") or none of them comes first.
QString chosenLanguage(const QStringList& preferred);

// The game's own translation for `language`, loaded from the programs' resources;
// null when the language is not shipped.
std::unique_ptr<QTranslator> gameTranslation(const QString& language);

// Qt's own texts (standard buttons such as OK and Cancel) for `language`, from the
// system's Qt translations; null when they are not installed.
std::unique_ptr<QTranslator> qtTranslation(const QString& language);

// Installs the game's and Qt's translations for the desktop's language into the
// application, and removes them again when destroyed. Installs nothing in English.
class Translation
{
public:
    explicit Translation(const QStringList& preferred);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

private:
    std::unique_ptr<QTranslator> m_game;
    std::unique_ptr<QTranslator> m_qt;
};

// `english` (a text marked with QT_TRANSLATE_NOOP in `context`) in the language of
// `preferred`, for programs that print before or without a QCoreApplication. In
// English the text comes back unchanged.
QString translated(const char* context, const char* english, const QStringList& preferred);

} // namespace ttt::i18n
