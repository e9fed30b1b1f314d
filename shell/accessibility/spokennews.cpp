// SPDX-License-Identifier: GPL-3.0-or-later
#include "spokennews.h"

#include "game/game.h"
#include "game/news.h"
#include "shell/levelwords.h"

#include <QCoreApplication>
#include <QStringList>

namespace ttt {

namespace {

QString said(const char* text)
{
    return QCoreApplication::translate("News", text);
}

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
    return texts.isEmpty() ? last : texts.join(QStringLiteral(", ")) + said(" and ") + last;
}

// "7, 8, 9", and "7, 8, 9 and 1, 5, 9" for a game won twice over.
QString linesText(const std::vector<Line>& lines)
{
    QStringList texts;
    for (const Line& line : lines)
        texts << QStringLiteral("%1, %2, %3").arg(line[0]).arg(line[1]).arg(line[2]);
    return texts.join(said(" and "));
}

QString outcomeText(Outcome outcome, const std::vector<Line>& lines)
{
    switch (outcome) {
    case Outcome::XWins:
        return said("X wins: %1.").arg(linesText(lines));
    case Outcome::OWins:
        return said("O wins: %1.").arg(linesText(lines));
    case Outcome::Draw:
        return said("No winner.");
    case Outcome::Open:
        break;
    }
    return {};
}

QString scoreText(const Scoreboard& score)
{
    return said("Score: X %1, O %2, no winner %3.")
        .arg(score.xWins())
        .arg(score.oWins())
        .arg(score.draws());
}

QString turnText(Mark mark, Players players)
{
    if (players == Players::One)
        return said("Your move.");
    return mark == Mark::X ? said("X to move.") : said("O to move.");
}

QString onOff(bool on, const char* whenOn, const char* whenOff)
{
    return said(on ? whenOn : whenOff);
}

QString changedText(News::Setting setting, const Options& options)
{
    switch (setting) {
    case News::Setting::Level:
        return said("Level %1.").arg(QCoreApplication::translate(
            "ttt::MainWindow", levelWords.at(levelNumber(options.level) - 1).name));
    case News::Setting::Players:
        return onOff(options.players == Players::Two, "Two players.", "One player.");
    case News::Setting::FirstMover:
        return onOff(options.firstMover == Mark::O, "O first.", "X first.");
    case News::Setting::Scoring:
        return onOff(options.scoring, "Scoring on.", "Scoring off.");
    case News::Setting::ScoreCleared:
        return said("Score cleared.");
    case News::Setting::Sounds:
        return onOff(options.sounds.isOn(), "Sounds on.", "Sounds off.");
    case News::Setting::OnTop:
        return onOff(options.onTop, "On top.", "Not on top.");
    }
    return {};
}

} // namespace

QString squareName(Square square)
{
    return QCoreApplication::translate("MainWindow", "Square %1, %2")
        .arg(square)
        .arg(placeName(square));
}

QString spokenNews(const News& news, const Options& options)
{
    QStringList told;
    if (news.newGame)
        told << said("New game.");
    if (news.changed)
        told << changedText(*news.changed, options);
    if (news.stopped)
        told << said("Game stopped.");
    if (news.noGame)
        told << said("Press P to play.");
    if (news.refused)
        told << said("Square %1 is taken.").arg(*news.refused);
    if (news.outcome != Outcome::Open) {
        // The end says it all: a winning line holds the last mark, a drawn board has no
        // square left.
        told << outcomeText(news.outcome, news.winningLines);
        if (news.score)
            told << scoreText(*news.score);
        return told.join(QLatin1Char(' '));
    }
    if (news.computerMove)
        told << said("O %1, %2.").arg(*news.computerMove).arg(placeName(*news.computerMove));
    else if (news.playerMove)
        told << (news.playerMark == Mark::O ? said("O %1.") : said("X %1.")).arg(*news.playerMove);
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
        marks << said("X on %1").arg(listText(xs));
    if (!os.empty())
        marks << said("O on %1").arg(listText(os));
    QStringList told;
    if (marks.isEmpty())
        told << said("Board empty.");
    else if (free.empty())
        told << marks.join(QStringLiteral(", ")) + QLatin1Char('.');
    else
        told << said("%1; free %2.").arg(marks.join(QStringLiteral(", ")), listText(free));
    const Match& match = game.match();
    const std::vector<Line> lines = game.shownWinningLines();
    if (match.isPlaying())
        told << turnText(match.nextMark(), game.options().players);
    else if ((match.outcome() == Outcome::Draw && free.empty()) || !lines.empty())
        told << outcomeText(match.outcome(), lines);
    else
        told << said("Press P to play.");
    if (game.options().scoring)
        told << scoreText(game.scoreboard());
    return told.join(QLatin1Char(' '));
}

} // namespace ttt
