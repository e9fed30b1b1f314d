// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileproblemtext.h"

#include "settings/settingsfile.h"

#include <QCoreApplication>

namespace ttt {

QString fileTroubleText(const FileTrouble& trouble)
{
    const char* sentence = fileTroubleSourceText(trouble.cause);
    if (sentence == nullptr) // the system's own words, in the language it speaks
        return QString::fromStdString(englishFileTroubleText(trouble));
    QString text = QCoreApplication::translate("FileProblem", sentence);
    if (trouble.cause == FileTrouble::Cause::LinkIntoMissingFolder)
        text = text.arg(QString::fromStdString(trouble.linkTarget.string()));
    return text;
}

QString fileProblemText(const FileProblem& problem)
{
    using Kind = FileProblem::Kind;
    const char* sentence = nullptr;
    switch (problem.kind) {
    case Kind::None:
        return {};
    case Kind::Unreadable:
        sentence = QT_TRANSLATE_NOOP(
            "FileProblem", "The settings file %1 could not be read (%2), so the default settings "
                           "are used.");
        break;
    case Kind::NotCreated:
        sentence = QT_TRANSLATE_NOOP(
            "FileProblem", "The settings file %1 could not be created (%2), so the default "
                           "settings are used.");
        break;
    case Kind::PartlyRead:
        sentence = QT_TRANSLATE_NOOP(
            "FileProblem",
            "Some settings in %1 could not be read, so their default values are used.");
        break;
    case Kind::WillNotBeSaved:
        sentence = QT_TRANSLATE_NOOP("FileProblem", "The settings file %1 cannot be written (%2), "
                                                    "so the settings will not be saved at exit.");
        break;
    case Kind::NotSaved:
        sentence = QT_TRANSLATE_NOOP("FileProblem", "The settings could not be saved to %1 (%2).");
        break;
    case Kind::UnreadableNotSaved:
        sentence = QT_TRANSLATE_NOOP("FileProblem",
                                     "The settings could not be saved to %1 (%2): the file could "
                                     "not be read at start-up.");
        break;
    case Kind::PictureSetNotSaved:
        sentence =
            QT_TRANSLATE_NOOP("FileProblem", "The picture set could not be saved to %1 (%2).");
        break;
    }
    QString text = QCoreApplication::translate("FileProblem", sentence)
                       .arg(QString::fromStdString(problem.file.string()));
    if (problem.kind != Kind::PartlyRead)
        text = text.arg(fileTroubleText(problem.trouble));
    return text;
}

} // namespace ttt
