// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey_watch.h"

#include "core/boardtext.h"

#include "shell/art/artwork.h"
#include "shell/boardwidget.h"
#include "shell/cellview.h"
#include "shell/layout/windowlayout.h"
#include "shell/mainwindow.h"
#include "shell/picturelabel.h"
#include "shell/tests/windowtestbench.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>

#include <cstdlib>

namespace ttt::test {

namespace {

bool finished(const Board& board)
{
    return hasLine(board, Mark::X) || hasLine(board, Mark::O) || board.isFull();
}

QString textOf(const Board& board)
{
    return QString::fromStdString(boardText(board));
}

bool checked(const MainWindow* window, const char* action)
{
    return window->findChild<QAction*>(QString::fromLatin1(action))->isChecked();
}

bool selected(const MainWindow* window, const QString& button)
{
    return window->findChild<QRadioButton*>(button)->isChecked();
}

QString labelText(const MainWindow* window, const char* label)
{
    return window->findChild<QLabel*>(QString::fromLatin1(label))->text();
}

QString shownTotal(bool on, int total)
{
    return on ? QStringLiteral(" %1").arg(total) : QStringLiteral(" -");
}

// The one checked item among the named ones (1-based), 0 when none, -1 when several.
int onlyChecked(const MainWindow* window, std::initializer_list<const char*> actions)
{
    int found = 0;
    int index = 1;
    for (const char* action : actions) {
        if (checked(window, action))
            found = found == 0 ? index : -1;
        ++index;
    }
    return found;
}

template <std::size_t N>
int onlySelected(const MainWindow* window, const std::array<layout::Control, N>& buttons)
{
    int found = -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (selected(window, QLatin1String(buttons[i].name)))
            found = found == -1 ? static_cast<int>(i) : -2;
    }
    return found;
}

bool visible(const QWidget* window)
{
    return window && window->isVisible();
}

} // namespace

void MonkeyWatch::attach(MainWindow& window, const Game& game)
{
    m_window = &window;
    m_game = &game;
    const Scoreboard& score = game.scoreboard();
    m_score = {game.options().scoring, score.xWins(), score.oWins(), score.draws()};
    m_blanked = false;
}

QString MonkeyWatch::exitLineShown() const
{
    const Game& game = *m_game;
    const QString caption =
        m_window->findChild<QAction*>(QLatin1String(layout::scoringAction))->text();
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7\r\n")
        .arg(onlyChecked(m_window, {layout::levelActions[0], layout::levelActions[1],
                                    layout::levelActions[2], layout::levelActions[3]}))
        .arg(checked(m_window, layout::oFirstAction) ? 2 : 1)
        .arg(checked(m_window, layout::twoPlayerAction) ? 2 : 1)
        .arg(caption == QLatin1String("&Turn Scoring On") ? 1 : 0)
        .arg(checked(m_window, layout::soundsAction) ? 1 : 0)
        .arg(checked(m_window, layout::allOnTopAction) ? 1 : 0)
        .arg(game.options().pictureSet.firstPicture());
}

QString MonkeyWatch::optionsShown() const
{
    QString text = exitLineShown().trimmed();
    for (const char* action : {layout::xFirstAction, layout::onePlayerAction})
        text += checked(m_window, action) ? QStringLiteral(" +") : QStringLiteral(" -");
    return text;
}

void MonkeyWatch::before()
{
    const Game& game = *m_game;
    m_board = game.match().board();
    m_playing = game.match().isPlaying();
    m_soundsOn = game.options().sounds.isOn();
    m_finished = finished(m_board);
    m_firstMoveButtons = {selected(m_window, QLatin1String(layout::firstMoveOptions[0].name)),
                          selected(m_window, QLatin1String(layout::firstMoveOptions[1].name))};
    m_exitLine = exitLineShown();
    m_options = optionsShown();
    m_everything = m_options + textOf(m_board) + QString::number(m_playing) +
                   labelText(m_window, layout::xTotal.name) +
                   labelText(m_window, layout::oTotal.name) +
                   labelText(m_window, layout::noWinnerTotal.name) +
                   labelText(m_window, layout::newGamePointer.name);
    m_everything += QString::number(onlySelected(m_window, layout::playersOptions)) +
                    QString::number(onlySelected(m_window, layout::firstMoveOptions)) +
                    QString::number(onlySelected(m_window, layout::difficultyOptions));
}

QString MonkeyWatch::after(const StormEvent& event, const std::vector<std::string>& cues)
{
    // Only New Game starts a game; it also ends the blank view that follows the chooser.
    if (m_game->match().isPlaying())
        m_blanked = false;
    countScore(event);
    for (const QString& broken :
         {checkBoard(), checkCells(), checkOutcome(), checkScore(), checkMenusAndButtons(event),
          checkEnabled(), checkIgnored(event), checkCues(cues)}) {
        if (!broken.isEmpty())
            return broken;
    }
    return {};
}

void MonkeyWatch::countScore(const StormEvent& event)
{
    if (event.target == QLatin1String(layout::scoringAction))
        m_score = {!m_score.on, 0, 0, 0};
    else if (event.target == QLatin1String(layout::clearScoreAction) && m_score.on)
        m_score = {true, 0, 0, 0};
    const Board& board = m_game->match().board();
    if (m_finished || !finished(board) || !m_score.on)
        return;
    if (hasLine(board, Mark::X))
        ++m_score.x;
    else if (hasLine(board, Mark::O))
        ++m_score.o;
    else
        ++m_score.nw;
}

QString MonkeyWatch::checkBoard() const
{
    // The marks are placed in turn, whoever opens.
    const Board& board = m_game->match().board();
    if (std::abs(board.count(Mark::X) - board.count(Mark::O)) > 1)
        return QStringLiteral("the marks on %1 were not placed in turn").arg(textOf(board));
    if (hasLine(board, Mark::X) && hasLine(board, Mark::O))
        return QStringLiteral("both sides have a line on %1").arg(textOf(board));
    return {};
}

QString MonkeyWatch::checkCells() const
{
    const Game& game = *m_game;
    const qreal dpr = m_window->devicePixelRatioF();
    for (Square square : Board::squares) {
        const Mark mark = m_blanked ? Mark::Free : game.match().board().at(square);
        const int number = game.options().pictureSet.picture(mark);
        const QPixmap expected = m_artwork.pictureNumbered(number, dpr);
        const QPixmap& shown = m_window->findChild<BoardWidget*>()->cell(square)->picture();
        if (shown.cacheKey() != expected.cacheKey() && shown.toImage() != expected.toImage())
            return QStringLiteral("square %1 does not show number %2 (board %3%4)")
                .arg(square)
                .arg(number)
                .arg(textOf(game.match().board()))
                .arg(m_blanked ? QStringLiteral(", blank after the chooser") : QString());
    }
    return {};
}

QString MonkeyWatch::checkOutcome() const
{
    const Board& board = m_game->match().board();
    const bool idle = !m_game->match().isPlaying();
    const QString pointer = labelText(m_window, layout::newGamePointer.name);
    if (pointer != (idle ? QStringLiteral("^") : QString()))
        return QStringLiteral("the game is %1 but the pointer reads \"%2\"")
            .arg(idle ? QStringLiteral("idle") : QStringLiteral("being played"))
            .arg(pointer);
    Artwork::Picture outcome = Artwork::Picture::BlankResult;
    if (hasLine(board, Mark::X))
        outcome = Artwork::Picture::XWins;
    else if (hasLine(board, Mark::O))
        outcome = Artwork::Picture::OWins;
    else if (board.isFull())
        outcome = Artwork::Picture::NoWin;
    if (outcome != Artwork::Picture::BlankResult && !idle)
        return QStringLiteral("the finished game %1 is still running").arg(textOf(board));
    // A stopped game keeps the picture it had: only a finished one's is known here,
    // and a running game always shows the blank one.
    if (outcome == Artwork::Picture::BlankResult && idle)
        return {};
    if (m_window->findChild<PictureLabel*>(QLatin1String(layout::resultPicture.name))->picture() !=
        outcome)
        return QStringLiteral("the outcome picture does not match the board %1 (idle %2)")
            .arg(textOf(board))
            .arg(idle);
    return {};
}

QString MonkeyWatch::checkScore() const
{
    const Scoreboard& score = m_game->scoreboard();
    const bool scoring = m_game->options().scoring;
    const QString shown = labelText(m_window, layout::xTotal.name) + QLatin1Char('|') +
                          labelText(m_window, layout::oTotal.name) + QLatin1Char('|') +
                          labelText(m_window, layout::noWinnerTotal.name);
    const QString expected = shownTotal(m_score.on, m_score.x) + QLatin1Char('|') +
                             shownTotal(m_score.on, m_score.o) + QLatin1Char('|') +
                             shownTotal(m_score.on, m_score.nw);
    if (shown != expected)
        return QStringLiteral("the totals read \"%1\", counted \"%2\"").arg(shown, expected);
    if (scoring != m_score.on ||
        (m_score.on &&
         (score.xWins() != m_score.x || score.oWins() != m_score.o || score.draws() != m_score.nw)))
        return QStringLiteral("the scoreboard holds %1/%2/%3 (on %4), counted \"%5\"")
            .arg(score.xWins())
            .arg(score.oWins())
            .arg(score.draws())
            .arg(scoring)
            .arg(expected);
    const bool clearEnabled =
        m_window->findChild<QAction*>(QLatin1String(layout::clearScoreAction))->isEnabled();
    if (clearEnabled != m_score.on)
        return QStringLiteral("Clear Score is %1 while scoring is %2")
            .arg(clearEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled"))
            .arg(m_score.on ? QStringLiteral("on") : QStringLiteral("off"));
    return {};
}

QString MonkeyWatch::checkMenusAndButtons(const StormEvent& event) const
{
    const int difficulty = levelNumber(m_game->options().level);
    const int level = onlyChecked(m_window, {layout::levelActions[0], layout::levelActions[1],
                                             layout::levelActions[2], layout::levelActions[3]});
    const int levelButton = onlySelected(m_window, layout::difficultyOptions);
    if (level != difficulty || levelButton != difficulty - 1)
        return QStringLiteral("difficulty %1, menu check %2, option button %3")
            .arg(difficulty)
            .arg(level)
            .arg(levelButton);
    const int players = onlyChecked(m_window, {layout::onePlayerAction, layout::twoPlayerAction});
    const int playersButton = onlySelected(m_window, layout::playersOptions);
    if (players < 1 || playersButton != players - 1)
        return QStringLiteral("players menu check %1, option button %2")
            .arg(players)
            .arg(playersButton);
    const int first = onlyChecked(m_window, {layout::xFirstAction, layout::oFirstAction});
    if (first < 1)
        return QStringLiteral("first-move menu check %1").arg(first);
    const std::array<bool, 2> buttons = {
        selected(m_window, QLatin1String(layout::firstMoveOptions[0].name)),
        selected(m_window, QLatin1String(layout::firstMoveOptions[1].name))};
    const bool buttonClicked = event.target == QLatin1String(layout::firstMoveOptions[0].name) ||
                               event.target == QLatin1String(layout::firstMoveOptions[1].name);
    // The first-move buttons drive the menu; nothing else moves them.
    if (buttonClicked && !(buttons[first - 1] && !buttons[2 - first]))
        return QStringLiteral("first-move button clicked, but the menu check is %1").arg(first);
    if (!buttonClicked && buttons != m_firstMoveButtons)
        return QStringLiteral("the first-move buttons moved without being clicked");
    return {};
}

QString MonkeyWatch::checkEnabled() const
{
    const bool open = visible(secondaryWindow(layout::graphicsChooser)) ||
                      visible(secondaryWindow(layout::aboutWindow)) ||
                      visible(secondaryWindow(layout::tipsWindow));
    if (m_window->isEnabled() == open)
        return QStringLiteral("the main window is %1 while a secondary window is %2")
            .arg(m_window->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"))
            .arg(open ? QStringLiteral("open") : QStringLiteral("closed"));
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<const QMessageBox*>(top) && top->isVisible())
            return QStringLiteral("a message appeared: %1")
                .arg(static_cast<const QMessageBox*>(top)->text());
    }
    return {};
}

QString MonkeyWatch::checkIgnored(const StormEvent& event) const
{
    const Board& board = m_game->match().board();
    if (event.kind == StormKind::Square && !m_playing && !(board == m_board))
        return QStringLiteral("a move was made on a stopped game: %1 became %2")
            .arg(textOf(m_board), textOf(board));
    if (event.kind != StormKind::Blocked)
        return {};
    MonkeyWatch now(m_artwork);
    now.m_window = m_window;
    now.m_game = m_game;
    now.before();
    if (now.m_everything != m_everything)
        return QStringLiteral("the disabled main window took the click: \"%1\" became \"%2\"")
            .arg(m_everything, now.m_everything);
    return {};
}

QString MonkeyWatch::checkCues(const std::vector<std::string>& cues) const
{
    if (!m_soundsOn && !m_game->options().sounds.isOn() && !cues.empty())
        return QStringLiteral("the cue %1 played while sounds were off")
            .arg(QString::fromStdString(cues.front()));
    return {};
}

} // namespace ttt::test
