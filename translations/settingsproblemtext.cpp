// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsproblemtext.h"

#include "settings/settingsfile.h"
#include "translations/settingswords.h"

#include <QCoreApplication>

namespace ttt {

QString fileErrorText(const FileError& error)
{
    const char* sentence = fileErrorSourceText(error.cause);
    if (sentence == nullptr) // the system's own words, in the language it speaks
        return QString::fromStdString(englishFileErrorText(error));
    QString text = QCoreApplication::translate("SettingsProblem", sentence);
    if (error.cause == FileError::Cause::LinkIntoMissingFolder)
        text = text.arg(QString::fromStdString(error.linkTarget.string()));
    return text;
}

QString settingsProblemText(const SettingsProblem& problem)
{
    using Kind = SettingsProblem::Kind;
    const char* sentence = nullptr;
    switch (problem.kind) {
    case Kind::None:
        return {};
    case Kind::Unreadable:
        sentence = QT_TRANSLATE_NOOP(
            "SettingsProblem",
            "The settings file %1 could not be read (%2), so the default settings "
            "are used.");
        break;
    case Kind::NotCreated:
        sentence = QT_TRANSLATE_NOOP(
            "SettingsProblem", "The settings file %1 could not be created (%2), so the default "
                               "settings are used.");
        break;
    case Kind::NotUsed:
        sentence = QT_TRANSLATE_NOOP("SettingsProblem",
                                     "The settings file %1 is not used (%2): the default settings "
                                     "are used, and nothing will be written to it.");
        break;
    case Kind::PartlyRead:
        // The game goes on to say what becomes of the file; the lab only reads it.
        return QCoreApplication::translate("SettingsProblem", partlyReadSourceText())
                   .arg(QString::fromStdString(problem.file.string())) +
               QLatin1Char(' ') +
               QCoreApplication::translate("SettingsProblem",
                                           "At exit the whole file will be replaced with the "
                                           "settings then in use.");
    case Kind::WillNotBeSaved:
        sentence =
            QT_TRANSLATE_NOOP("SettingsProblem", "The settings file %1 cannot be written (%2), "
                                                 "so the settings will not be saved at exit.");
        break;
    case Kind::NotSaved:
        sentence =
            QT_TRANSLATE_NOOP("SettingsProblem", "The settings could not be saved to %1 (%2).");
        break;
    case Kind::UnreadableNotSaved:
        sentence = QT_TRANSLATE_NOOP("SettingsProblem",
                                     "The settings could not be saved to %1 (%2): the file could "
                                     "not be read at start-up.");
        break;
    case Kind::PictureSetNotSaved:
        sentence =
            QT_TRANSLATE_NOOP("SettingsProblem", "The picture set could not be saved to %1 (%2).");
        break;
    }
    QString text = QCoreApplication::translate("SettingsProblem", sentence)
                       .arg(QString::fromStdString(problem.file.string()));
    return text.arg(fileErrorText(problem.error));
}

} // namespace ttt
