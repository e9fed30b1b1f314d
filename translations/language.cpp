// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ttt::i18n {

const QStringList& shippedLanguages()
{
    static const QStringList languages{QStringLiteral("de"), QStringLiteral("fr"),
                                       QStringLiteral("es")};
    return languages;
}

QString chosenLanguage(const QStringList& preferred)
{
    for (const QString& name : preferred) {
        // "de-AT", "fr_CA", "es-419", "C": the language is what comes before the region.
        const QString language =
            name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            return {};
        if (shippedLanguages().contains(language))
            return language;
    }
    return {};
}

std::unique_ptr<QTranslator> gameTranslation(const QString& language)
{
    if (!shippedLanguages().contains(language))
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/translations/tictactoe_%1.qm").arg(language)))
        return nullptr;
    return translator;
}

std::unique_ptr<QTranslator> qtTranslation(const QString& language)
{
    auto translator = std::make_unique<QTranslator>();
    if (language.isEmpty() || !translator->load(QStringLiteral("qtbase_") + language,
                                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

Translation::Translation(const QStringList& preferred)
{
    const QString language = chosenLanguage(preferred);
    if (language.isEmpty())
        return;
    m_game = gameTranslation(language);
    m_qt = qtTranslation(language);
    // The last one installed is asked first: the game's own words win.
    for (QTranslator* translator : {m_qt.get(), m_game.get()}) {
        if (translator)
            QCoreApplication::installTranslator(translator);
    }
}

Translation::~Translation()
{
    for (QTranslator* translator : {m_game.get(), m_qt.get()}) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
}

QString translated(const char* context, const char* english, const QStringList& preferred)
{
    const QString language = chosenLanguage(preferred);
    if (const std::unique_ptr<QTranslator> translator = gameTranslation(language)) {
        const QString text = translator->translate(context, english);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(english);
}

} // namespace ttt::i18n
