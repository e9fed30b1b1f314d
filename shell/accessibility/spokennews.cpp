// SPDX-License-Identifier: GPL-3.0-or-later
#include "spokennews.h"

#include "game/news.h"

#include <QCoreApplication>
#include <QStringList>

namespace ttt {

namespace {

QString placeName(Square square)
{
    static const char* const places[] = {
        QT_TRANSLATE_NOOP("MainWindow", "bottom left"),
        QT_TRANSLATE_NOOP("MainWindow", "bottom middle"),
        QT_TRANSLATE_NOOP("MainWindow", "bottom right"),
        QT_TRANSLATE_NOOP("MainWindow", "middle left"),
        QT_TRANSLATE_NOOP("MainWindow", "centre"),
        QT_TRANSLATE_NOOP("MainWindow", "middle right"),
        QT_TRANSLATE_NOOP("MainWindow", "top left"),
        QT_TRANSLATE_NOOP("MainWindow", "top middle"),
        QT_TRANSLATE_NOOP("MainWindow", "top right"),
    };
    return QCoreApplication::translate("MainWindow", places[square - 1]);
}

// "7, 8, 9", and "7, 8, 9 and 1, 5, 9" for a game won twice over.
QString linesText(const std::vector<Line>& lines)
{
    QStringList texts;
    for (const Line& line : lines)
        texts << QStringLiteral("%1, %2, %3").arg(line[0]).arg(line[1]).arg(line[2]);
    return texts.join(QCoreApplication::translate("News", " and "));
}

QString outcomeText(Outcome outcome, const std::vector<Line>& lines)
{
    switch (outcome) {
    case Outcome::XWins:
        return QCoreApplication::translate("News", "X wins: %1.").arg(linesText(lines));
    case Outcome::OWins:
        return QCoreApplication::translate("News", "O wins: %1.").arg(linesText(lines));
    case Outcome::Draw:
        return QCoreApplication::translate("News", "No winner.");
    case Outcome::Open:
        break;
    }
    return {};
}

QString turnText(Mark mark, Players players)
{
    if (players == Players::One)
        return QCoreApplication::translate("News", "Your move.");
    return mark == Mark::X ? QCoreApplication::translate("News", "X to move.")
                           : QCoreApplication::translate("News", "O to move.");
}

} // namespace

QString squareName(Square square)
{
    return QCoreApplication::translate("MainWindow", "Square %1, %2")
        .arg(square)
        .arg(placeName(square));
}

QString spokenNews(const News& news, Players players)
{
    QStringList said;
    if (news.newGame)
        said << QCoreApplication::translate("News", "New game.");
    if (news.stopped)
        said << QCoreApplication::translate("News", "Game stopped.");
    if (news.refused)
        said << QCoreApplication::translate("News", "Square %1 is taken.").arg(*news.refused);
    if (news.computerMove)
        said << QCoreApplication::translate("News", "O takes %1, %2.")
                    .arg(*news.computerMove)
                    .arg(placeName(*news.computerMove));
    if (news.outcome != Outcome::Open)
        said << outcomeText(news.outcome, news.winningLines);
    else if (news.toMove)
        said << turnText(*news.toMove, players);
    return said.join(QLatin1Char(' '));
}

} // namespace ttt
