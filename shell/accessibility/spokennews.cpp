// SPDX-License-Identifier: GPL-3.0-or-later
#include "spokennews.h"

#include "game/game.h"
#include "game/news.h"
#include "shell/levelwords.h"
#include "shell/statustext.h"

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

// "7", "7 and 8", "1, 5 and 9".
QString listText(const std::vector<Square>& squares)
{
    QStringList texts;
    for (Square square : squares)
        texts << QString::number(square);
    const QString last = texts.takeLast();
    return texts.isEmpty() ? last
                           : texts.join(QStringLiteral(", ")) +
                                 QCoreApplication::translate("News", " and ") + last;
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

QString scoreText(const Scoreboard& score)
{
    return QCoreApplication::translate("News", "Score: X %1, O %2, no winner %3.")
        .arg(score.xWins())
        .arg(score.oWins())
        .arg(score.draws());
}

// The score as the end of a game tells it, short enough to be heard before the next
// key: the winner's wins first, X's when no one won ("O wins. 2 to 1.").
QString shortScoreText(const Scoreboard& score, Outcome outcome)
{
    const bool oFirst = outcome == Outcome::OWins;
    return QCoreApplication::translate("News", "%1 to %2.")
        .arg(oFirst ? score.oWins() : score.xWins())
        .arg(oFirst ? score.xWins() : score.oWins());
}

QString turnText(Mark mark, Players players)
{
    if (players == Players::One)
        return QCoreApplication::translate("News", "Your move.");
    return mark == Mark::X ? QCoreApplication::translate("News", "X to move.")
                           : QCoreApplication::translate("News", "O to move.");
}

// One of two texts marked in the "News" context, in the player's language.
QString onOff(bool on, const char* whenOn, const char* whenOff)
{
    return QCoreApplication::translate("News", on ? whenOn : whenOff);
}

QString changedText(News::Setting setting, const Options& options)
{
    switch (setting) {
    case News::Setting::Level:
        return QCoreApplication::translate("News", "Level %1.")
            .arg(QCoreApplication::translate("ttt::MainWindow",
                                             levelWords.at(levelNumber(options.level) - 1).name));
    case News::Setting::Players:
        return onOff(options.players == Players::Two, QT_TRANSLATE_NOOP("News", "Two players."),
                     QT_TRANSLATE_NOOP("News", "One player."));
    case News::Setting::FirstMover:
        return onOff(options.firstMover == Mark::O, QT_TRANSLATE_NOOP("News", "O first."),
                     QT_TRANSLATE_NOOP("News", "X first."));
    case News::Setting::Scoring:
        return onOff(options.scoring, QT_TRANSLATE_NOOP("News", "Scoring on."),
                     QT_TRANSLATE_NOOP("News", "Scoring off."));
    case News::Setting::ScoreCleared:
        return QCoreApplication::translate("News", "Score cleared.");
    case News::Setting::Sounds:
        return onOff(options.sounds.isOn(), QT_TRANSLATE_NOOP("News", "Sounds on."),
                     QT_TRANSLATE_NOOP("News", "Sounds off."));
    case News::Setting::OnTop:
        return onOff(options.onTop, QT_TRANSLATE_NOOP("News", "On top."),
                     QT_TRANSLATE_NOOP("News", "Not on top."));
    }
    return {};
}

} // namespace

QString squareName(Square square)
{
    return QCoreApplication::translate("MainWindow", "%1, %2").arg(square).arg(placeName(square));
}

QString spokenNews(const News& news, const Options& options)
{
    QStringList told;
    if (news.newGame)
        told << QCoreApplication::translate("News", "New game.");
    if (news.changed)
        told << changedText(*news.changed, options);
    if (news.stopped)
        told << QCoreApplication::translate("News", "Game stopped.");
    if (news.noGame)
        told << QCoreApplication::translate("News", "Press P to play.");
    if (news.refused)
        told << QCoreApplication::translate("News", "Square %1 is taken.").arg(*news.refused);
    if (news.outcome != Outcome::Open) {
        // The end says it all, in as few words as the player needs to play on: a winning
        // line holds the last mark, a drawn board has no square left. The line and the
        // draws are the position's to tell.
        told << outcomeShown(news.outcome).name + QLatin1Char('.');
        if (news.score)
            told << shortScoreText(*news.score, news.outcome);
        return told.join(QLatin1Char(' '));
    }
    if (news.computerMove)
        told << QCoreApplication::translate("News", "O %1. %2.")
                    .arg(*news.computerMove)
                    .arg(placeName(*news.computerMove));
    else if (news.playerMove)
        told << (news.playerMark == Mark::O ? QCoreApplication::translate("News", "O %1.")
                                            : QCoreApplication::translate("News", "X %1."))
                    .arg(*news.playerMove);
    // Against the computer the turn is always the player's once it has moved: only two
    // players are told whose turn it is.
    if (news.toMove && options.players == Players::Two)
        told << turnText(*news.toMove, options.players);
    return told.join(QLatin1Char(' '));
}

QString spokenPosition(const Game& game)
{
    std::vector<Square> xs, os, free;
    for (Square square : Board::squares) {
        const Mark mark = game.shownMark(square);
        (mark == Mark::X ? xs : mark == Mark::O ? os : free).push_back(square);
    }
    QStringList marks;
    if (!xs.empty())
        marks << QCoreApplication::translate("News", "X on %1").arg(listText(xs));
    if (!os.empty())
        marks << QCoreApplication::translate("News", "O on %1").arg(listText(os));
    QStringList told;
    if (marks.isEmpty())
        told << QCoreApplication::translate("News", "Board empty.");
    else if (free.empty())
        told << marks.join(QStringLiteral(", ")) + QLatin1Char('.');
    else
        told << QCoreApplication::translate("News", "%1; free %2.")
                    .arg(marks.join(QStringLiteral(", ")), listText(free));
    const Match& match = game.match();
    const std::vector<Line> lines = game.shownWinningLines();
    if (match.isPlaying())
        told << turnText(match.nextMark(), game.options().players);
    else if ((match.outcome() == Outcome::Draw && free.empty()) || !lines.empty())
        told << outcomeText(match.outcome(), lines);
    else
        told << QCoreApplication::translate("News", "Press P to play.");
    if (game.options().scoring)
        told << scoreText(game.scoreboard());
    return told.join(QLatin1Char(' '));
}

} // namespace ttt
