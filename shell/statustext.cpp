// SPDX-License-Identifier: GPL-3.0-or-later
#include "statustext.h"

#include "game/match.h"

#include <QCoreApplication>

namespace ttt {

QString statusText(const Match& match, Players players)
{
    if (match.isPlaying()) {
        if (players == Players::One)
            return QCoreApplication::translate("StatusLine", "Your move");
        return match.nextMark() == Mark::X ? QCoreApplication::translate("StatusLine", "X to move")
                                           : QCoreApplication::translate("StatusLine", "O to move");
    }
    if (match.outcome() != Outcome::Open)
        return {};
    return QCoreApplication::translate("StatusLine", "Press P or New Game to play");
}

StatusLine::StatusLine(qreal pointSize, QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    QFont quiet = font();
    quiet.setBold(false);
    quiet.setPointSizeF(pointSize);
    setFont(quiet);
    QPalette pale = palette();
    pale.setColor(QPalette::WindowText, QColor(196, 204, 255));
    setPalette(pale);
}

void StatusLine::showFor(const Match& match, Players players)
{
    const QString status = statusText(match, players);
    setText(status);
    setVisible(!status.isEmpty());
}

OutcomeShown outcomeShown(Outcome outcome)
{
    struct Words
    {
        Artwork::Picture picture;
        const char* name;
        const char* caption;
    };
    // Indexed by Outcome: Open, XWins, OWins, Draw.
    static const Words words[] = {
        {Artwork::Picture::BlankResult, QT_TRANSLATE_NOOP("ttt::MainWindow", "No result yet"), ""},
        {Artwork::Picture::XWins, QT_TRANSLATE_NOOP("ttt::MainWindow", "X wins"),
         QT_TRANSLATE_NOOP("ttt::MainWindow", "X wins!")},
        {Artwork::Picture::OWins, QT_TRANSLATE_NOOP("ttt::MainWindow", "O wins"),
         QT_TRANSLATE_NOOP("ttt::MainWindow", "O wins!")},
        {Artwork::Picture::NoWin, QT_TRANSLATE_NOOP("ttt::MainWindow", "No winner"),
         QT_TRANSLATE_NOOP("ttt::MainWindow", "No winner")},
    };
    const Words& shown = words[static_cast<int>(outcome)];
    const auto translated = [](const char* text) {
        return *text ? QCoreApplication::translate("ttt::MainWindow", text) : QString();
    };
    return {shown.picture, translated(shown.name), translated(shown.caption)};
}

} // namespace ttt
