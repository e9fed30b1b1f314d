// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "accessibility/announcer.h"
#include "accessibility/gameaccessibility.h"
#include "accessibility/spokennews.h"
#include "art/artwork.h"
#include "boardwidget.h"
#include "cellview.h"
#include "focusring.h"
#include "levelwords.h"
#include "optiongroup.h"
#include "picturebutton.h"
#include "picturelabel.h"
#include "scaledcanvas.h"
#include "scorepanel.h"
#include "secondarywindows.h"
#include "shell/layout/twips.h"
#include "shell/layout/windowlayout.h"
#include "statustext.h"
#include "stayontop.h"
#include "trayicon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>

namespace ttt {

namespace {

const QColor windowColour(63, 63, 224);

void place(QWidget* widget, const layout::Control& control)
{
    widget->setObjectName(QLatin1String(control.name));
    widget->setGeometry(control.rect());
}

QString markName(Mark mark)
{
    return mark == Mark::X   ? MainWindow::tr("X")
           : mark == Mark::O ? MainWindow::tr("O")
                             : MainWindow::tr("empty");
}

// Option-button indices: the first button is one player, X and Easy.
int buttonIndex(Players players)
{
    return players == Players::Two ? 1 : 0;
}

int buttonIndex(std::optional<Mark> mover)
{
    return !mover ? -1 : *mover == Mark::O ? 1 : 0;
}

} // namespace

MainWindow::MainWindow(Game& game, const Artwork& artwork, QWidget* parent)
    : QMainWindow(parent), m_game(game), m_artwork(artwork),
      m_onTopAvailable(StayOnTop::isAvailable(QGuiApplication::platformName()))
{
    installGameAccessibility();
    setObjectName(QLatin1String(layout::mainWindow));
    setWindowTitle(tr("Vemo's Tic Tac Toe "));
    buildWindow();
    m_windows = new SecondaryWindows(this, m_artwork);
    m_tray = new TrayIcon(this);
    connectMenus();
    connectControls();
    m_canvas->takeDesign();
    connect(m_canvas, &ScaledCanvas::settled, this, &Artwork::returnFreedMemory);
    FocusRing::follow(this);
    if (!m_onTopAvailable)
        m_menus.disableOnTop(tr("This desktop does not let programs keep their window on top"));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow()
{
    m_menus = GameMenus::build(menuBar());
    m_canvas = new ScaledCanvas(layout::clientSize, this);
    m_canvas->setObjectName(QLatin1String(layout::canvas));
    QPalette palette = m_canvas->palette();
    palette.setColor(QPalette::Window, windowColour);
    m_canvas->setPalette(palette);
    m_canvas->setAutoFillBackground(true);
    m_canvas->setBackdrop(&m_artwork, Artwork::Picture::Background);
    QFont font = m_canvas->font();
    font.setPointSizeF(8.25);
    font.setBold(true);
    m_canvas->setFont(font);
    setCentralWidget(m_canvas);
    buildControls(m_canvas);
    buildOptionFrames(m_canvas);
}

void MainWindow::buildControls(QWidget* canvas)
{
    // Pictures are drawn when first painted, so building the window renders nothing.
    auto* title = new PictureLabel(m_artwork, Artwork::Picture::Title, canvas);
    place(title, layout::title);
    title->setAccessibleName(tr("Tic Tac Toe"));

    m_newGameButton = new PictureButton(m_artwork, Artwork::Picture::NewGameUp,
                                        Artwork::Picture::NewGameDown, canvas);
    place(m_newGameButton, layout::newGameButton);
    m_newGameButton->setAccessibleName(tr("New Game"));
    m_newGameButton->setToolTip(tr("New Game"));

    m_quitButton =
        new PictureButton(m_artwork, Artwork::Picture::QuitUp, Artwork::Picture::QuitDown, canvas);
    place(m_quitButton, layout::quitButton);
    m_quitButton->setAccessibleName(tr("Quit"));
    m_quitButton->setToolTip(tr("Quit"));

    m_newGamePointer = new QLabel(canvas);
    place(m_newGamePointer, layout::newGamePointer);
    m_newGamePointer->setGeometry(m_newGamePointer->geometry().adjusted(-2, -2, 2, 2));
    m_newGamePointer->setAlignment(Qt::AlignCenter);
    QPalette white = m_newGamePointer->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    m_newGamePointer->setPalette(white);

    m_board = new BoardWidget(m_artwork, canvas);
    place(m_board, layout::board);
    m_announcer = new Announcer(canvas);

    m_result = new PictureLabel(m_artwork, Artwork::Picture::BlankResult, canvas);
    place(m_result, layout::resultPicture);

    m_status = new StatusLine(qMax(8.25, menuBar()->font().pointSizeF()), canvas);
    place(m_status, layout::statusLine);
}

void MainWindow::buildOptionFrames(QWidget* canvas)
{
    const auto& players = layout::playersOptions;
    m_players = new OptionGroup(
        tr("Players"), {{QStringLiteral("1"), players[0]}, {QStringLiteral("2"), players[1]}},
        canvas);
    place(m_players, layout::playersPanel);

    m_scores = new ScorePanel(canvas);
    place(m_scores, layout::scorePanel);

    const auto& firstMove = layout::firstMoveOptions;
    m_firstMove = new OptionGroup(
        tr("First Move"),
        {{QStringLiteral("X"), firstMove[0]}, {QStringLiteral("O"), firstMove[1]}}, canvas);
    place(m_firstMove, layout::firstMovePanel);

    const auto level = [](std::size_t i) {
        return OptionGroup::Option{tr(levelWords[i].button), layout::difficultyOptions[i]};
    };
    m_difficulty =
        new OptionGroup(tr("Difficulty"), {level(0), level(1), level(2), level(3)}, canvas);
    place(m_difficulty, layout::difficultyPanel);
    for (std::size_t i = 0; i < levelWords.size(); ++i) {
        // A caption cut short for its frame is heard whole.
        if (std::string_view(levelWords[i].name) != levelWords[i].button)
            m_difficulty->button(int(i))->setAccessibleName(tr(levelWords[i].name));
    }
}

void MainWindow::connectMenus()
{
    const auto onMenu = [this](QAction* action, std::function<void()> operation) {
        connect(action, &QAction::triggered, this,
                [this, operation] { applyAndRender(operation); });
    };
    connect(m_menus.newGame, &QAction::triggered, this, &MainWindow::newGame);
    onMenu(m_menus.clearScore, [this] { m_game.clearScore(); });
    onMenu(m_menus.allOnTop, [this] { m_game.toggleOnTop(); });
    connect(m_menus.exit, &QAction::triggered, this, &MainWindow::close);
    for (std::size_t i = 0; i < allLevels.size(); ++i)
        onMenu(m_menus.levels[i], [this, level = allLevels[i]] { m_game.chooseLevel(level); });
    onMenu(m_menus.xFirst, [this] { m_game.chooseFirstMover(Mark::X); });
    onMenu(m_menus.oFirst, [this] { m_game.chooseFirstMover(Mark::O); });
    onMenu(m_menus.onePlayer, [this] { m_game.choosePlayers(Players::One); });
    onMenu(m_menus.twoPlayer, [this] { m_game.choosePlayers(Players::Two); });
    onMenu(m_menus.turnScore, [this] { m_game.toggleScoring(); });
    onMenu(m_menus.sounds, [this] { m_game.toggleSounds(); });
    connect(m_menus.taskbar, &QAction::triggered, this, [this](bool checked) {
        checked ? m_tray->add(m_artwork.appIcon()) : m_tray->remove();
    });
    connect(m_menus.graphics, &QAction::triggered, this, [this] {
        shareOnTopWithSecondaryWindows();
        m_windows->openChooser(m_game.options().pictureSet.firstPicture());
    });
    connect(m_menus.about, &QAction::triggered, this, [this] {
        m_game.playAboutCue();
        openSecondary(&SecondaryWindows::openAbout);
    });
    connect(m_menus.tips, &QAction::triggered, this,
            [this] { openSecondary(&SecondaryWindows::openTips); });
    connect(m_windows, &SecondaryWindows::pictureSetAccepted, this, &MainWindow::acceptPictureSet);
    connect(m_windows, &SecondaryWindows::closed, this, [this] {
        m_board->setFocus(Qt::OtherFocusReason);
        render();
    });
}

void MainWindow::connectControls()
{
    connect(m_board, &BoardWidget::cellClicked, this, &MainWindow::playSquare);
    connect(m_board, &BoardWidget::edgeReached, m_announcer, &Announcer::announce);
    connect(m_newGameButton, &QAbstractButton::clicked, this, &MainWindow::newGame);
    connect(m_quitButton, &QAbstractButton::clicked, this, &MainWindow::close);
    connect(m_players, &OptionGroup::optionClicked, this, [this](int index) {
        applyAndRender(
            [this, index] { m_game.clickPlayersButton(index == 0 ? Players::One : Players::Two); });
    });
    connect(m_firstMove, &OptionGroup::optionClicked, this, [this](int index) {
        applyAndRender(
            [this, index] { m_game.clickFirstMoveButton(index == 0 ? Mark::X : Mark::O); });
    });
    connect(m_difficulty, &OptionGroup::optionClicked, this, [this](int index) {
        applyAndRender([this, index] { m_game.clickLevelButton(allLevels.at(index)); });
    });
    installEventFilter(this);
    centralWidget()->installEventFilter(this);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        menu->installEventFilter(this);
        // Once the menus are closed the keys are the game's again, even after Escape.
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (!QApplication::activePopupWidget() &&
                    (!focusWidget() || focusWidget() == menuBar()))
                    m_board->setFocus(Qt::OtherFocusReason);
            });
        });
    }
    // Keys reach the game from every control: Space starts a new game on the
    // buttons too, instead of pressing them.
    m_board->installEventFilter(this);
    for (QAbstractButton* button : m_canvas->findChildren<QAbstractButton*>())
        button->installEventFilter(this);
}

void MainWindow::startUp(const Options& options)
{
    m_game.startUp(options);
    render();
}

void MainWindow::greet()
{
    m_board->setFocus(Qt::OtherFocusReason);
    m_game.playGreeting();
}

void MainWindow::applyAndRender(const std::function<void()>& operation)
{
    operation();
    render();
}

void MainWindow::newGame()
{
    m_game.newGame();
    render(m_board->takeFocus(Qt::OtherFocusReason));
}

void MainWindow::openSecondary(void (SecondaryWindows::*open)())
{
    shareOnTopWithSecondaryWindows();
    (m_windows->*open)();
}

void MainWindow::shareOnTopWithSecondaryWindows()
{
    // Without a top band there is nothing to hand over between the windows.
    m_windows->setOnTop(m_onTopAvailable && m_game.options().onTop);
}

void MainWindow::acceptPictureSet(int firstPicture)
{
    m_game.acceptPictureSet(PictureSet::holding(firstPicture));
    render();
    emit pictureSetChosen(firstPicture);
}

void MainWindow::warn(const QString& problem)
{
    if (problem.isEmpty())
        return;
    auto* note =
        new QMessageBox(QMessageBox::Warning, windowTitle(), problem, QMessageBox::Ok, this);
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setModal(false);
    note->show();
}

void MainWindow::playSquare(int square)
{
    m_board->takeFocus(Qt::MouseFocusReason);
    showRefusal(m_game.clickSquare(square));
    render();
}

void MainWindow::showRefusal(const Match::Move& move)
{
    if (move.kind == Match::Move::Kind::Refused)
        m_board->cell(move.square)->flash();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // While a menu is open its letters choose its items, in every language: neither the
    // game nor the New Game key shown in the File menu takes them.
    if (QApplication::activePopupWidget()) {
        if (event->type() == QEvent::ShortcutOverride &&
            !(static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier)) {
            event->accept(); // the menu takes the key itself
            return true;
        }
        if (event->type() == QEvent::KeyPress)
            return false;
    }
    // While a secondary window is open the main window takes no input at all.
    if (event->type() == QEvent::KeyPress && isEnabled())
        return handleKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::MouseButtonPress && watched == centralWidget())
        m_board->setFocus(Qt::MouseFocusReason);
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleKey(QKeyEvent* event)
{
    // F10 opens the menu bar, as everywhere on the desktop.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        menuBar()->setActiveAction(menuBar()->actions().value(0));
        return true;
    }
    if (event->text().isEmpty() || (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)))
        return false;
    const Game::KeyResult result = m_game.pressKey(event->text().toUcs4().value(0));
    switch (result.kind) {
    case Game::KeyResult::Kind::QuitNow:
        emit quitNowRequested();
        return true;
    case Game::KeyResult::Kind::Handled:
        // A new game or a move goes on on the board: the arrows walk its squares.
        showRefusal(result.move);
        render(m_board->takeFocus(Qt::OtherFocusReason));
        return true;
    case Game::KeyResult::Kind::Ignored:
        break;
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The window never refuses to close; what the ending does is not its business.
    emit exitRequested();
    event->accept();
}

void MainWindow::showExitWarning(const QString& problem)
{
    QMessageBox::warning(this, windowTitle(), problem);
}

void MainWindow::leaveScreen()
{
    m_tray->remove();
    m_windows->hideAll();
    hide();
}

void MainWindow::render(bool boardJustFocused)
{
    renderCells();
    renderResult();
    m_scores->showScores(m_game.scoreboard(), m_game.options().scoring);
    m_menus.show(m_game.options(), m_onTopAvailable);
    m_players->setSelected(buttonIndex(m_game.options().players));
    m_firstMove->setSelected(buttonIndex(m_game.firstMoveButton()));
    m_difficulty->setSelected(levelNumber(m_game.options().level) - 1);
    applyStayOnTop();
    News news = m_game.takeNews();
    // A screen reader reads the whole position, whose turn included, as the focus
    // arrives on the board: the news does not say the turn a second time.
    if (boardJustFocused)
        news.toMove.reset();
    m_announcer->announce(spokenNews(news, m_game.options()));
}

void MainWindow::renderCells()
{
    // Over the cells the pointer shows the mark the next click places.
    const Match& match = m_game.match();
    const QCursor cursor = !match.isPlaying()            ? QCursor(Qt::ArrowCursor)
                           : match.nextMark() == Mark::O ? m_artwork.oCursor()
                                                         : m_artwork.xCursor();
    const std::optional<Square> latest = match.latestSquare();
    for (Square square : Board::squares) {
        CellView* cell = m_board->cell(square);
        const Mark shown = m_game.shownMark(square);
        cell->setPictureNumber(m_game.options().pictureSet.picture(shown));
        cell->setMarkedAsLatest(latest == square && shown != Mark::Free);
        setSpokenName(cell, squareName(square) + QStringLiteral(", ") + markName(shown));
        cell->setCursor(cursor);
    }
    m_board->setWinningLines(m_game.shownWinningLines());
    m_board->setPlaying(match.isPlaying());
}

void MainWindow::renderResult()
{
    const OutcomeShown shown = outcomeShown(m_game.match().outcome());
    m_result->setPicture(shown.picture);
    m_result->setCaption(shown.caption);
    setSpokenName(m_result, shown.name);
    m_status->showFor(m_game.match(), m_game.options().players);
    // A screen reader that asks where the player is hears the whole position.
    m_board->describe(spokenPosition(m_game));
    const bool idle = !m_game.match().isPlaying();
    m_newGamePointer->setText(idle ? QStringLiteral("^") : QString());
    setSpokenName(m_newGamePointer, idle ? tr("Start a new game") : QString());
}

void MainWindow::applyStayOnTop()
{
    // While a secondary window is open it holds the top band instead.
    if (m_onTopAvailable && !m_windows->anyOpen())
        StayOnTop::apply(this, m_game.options().onTop);
}

} // namespace ttt
