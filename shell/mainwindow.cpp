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

namespace ttt {

namespace {

const QColor windowColour(63, 63, 224);

void paintWhiteOnBlack(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void place(QWidget* widget, const layout::Control& control)
{
    widget->setObjectName(QLatin1String(control.name));
    widget->setGeometry(control.rect());
}

template <std::size_t N>
void nameButtons(const OptionGroup* group, const std::array<layout::Control, N>& options)
{
    for (std::size_t i = 0; i < N; ++i)
        group->button(static_cast<int>(i))->setObjectName(QLatin1String(options[i].name));
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

// Gives the board the keys, unless a square reached by Tab has them already.
void focusBoard(BoardWidget* board, Qt::FocusReason reason)
{
    if (!board->isAncestorOf(board->window()->focusWidget()))
        board->setFocus(reason);
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
    if (!m_onTopAvailable) {
        // The item keeps its place and caption, shown unavailable with the reason.
        const QString reason = tr("This desktop does not let programs keep their window on top");
        m_menus.allOnTop->setEnabled(false);
        m_menus.allOnTop->setToolTip(reason);
        m_menus.allOnTop->setStatusTip(reason);
    }
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

    // Quieter than the outcome pictures: plain weight, a pale blue on their dark ground;
    // as large as the menus' text, on two lines where one is too short.
    m_status = new QLabel(canvas);
    place(m_status, layout::statusLine);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setWordWrap(true);
    QFont statusFont = m_status->font();
    statusFont.setBold(false);
    statusFont.setPointSizeF(qMax(8.25, menuBar()->font().pointSizeF()));
    m_status->setFont(statusFont);
    QPalette pale = m_status->palette();
    pale.setColor(QPalette::WindowText, QColor(196, 204, 255));
    m_status->setPalette(pale);
}

void MainWindow::buildOptionFrames(QWidget* canvas)
{
    const auto& players = layout::playersOptions;
    m_players = new OptionGroup(
        tr("Players"),
        {{QStringLiteral("1"), players[0].rect()}, {QStringLiteral("2"), players[1].rect()}},
        canvas);
    place(m_players, layout::playersPanel);

    m_scores = new ScorePanel(canvas);
    place(m_scores, layout::scorePanel);

    const auto& firstMove = layout::firstMoveOptions;
    m_firstMove = new OptionGroup(
        tr("First Move"),
        {{QStringLiteral("X"), firstMove[0].rect()}, {QStringLiteral("O"), firstMove[1].rect()}},
        canvas);
    place(m_firstMove, layout::firstMovePanel);

    const auto& levels = layout::difficultyOptions;
    const auto level = [&levels](std::size_t i) {
        return OptionGroup::Option{tr(levelWords[i].button), levels[i].rect()};
    };
    m_difficulty =
        new OptionGroup(tr("Difficulty"), {level(0), level(1), level(2), level(3)}, canvas);
    place(m_difficulty, layout::difficultyPanel);
    for (std::size_t i = 0; i < levelWords.size(); ++i) {
        // A caption cut short for its frame is heard whole.
        if (std::string_view(levelWords[i].name) != levelWords[i].button)
            m_difficulty->button(int(i))->setAccessibleName(tr(levelWords[i].name));
    }

    nameButtons(m_players, players);
    nameButtons(m_firstMove, firstMove);
    nameButtons(m_difficulty, levels);
    for (QWidget* panel : {static_cast<QWidget*>(m_players), static_cast<QWidget*>(m_firstMove),
                           static_cast<QWidget*>(m_difficulty), static_cast<QWidget*>(m_scores)})
        paintWhiteOnBlack(panel);
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
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->installEventFilter(this);
    // Keys reach the game from every control: Space starts a new game on the
    // buttons too, instead of pressing them.
    m_board->installEventFilter(this);
    m_newGameButton->installEventFilter(this);
    m_quitButton->installEventFilter(this);
    for (OptionGroup* group : {m_players, m_firstMove, m_difficulty}) {
        for (QAbstractButton* button : group->buttons())
            button->installEventFilter(this);
    }
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
    // From the menu the keys go back to the board; a control of the window keeps
    // them, as every one of them passes the game's keys on.
    if (!centralWidget()->isAncestorOf(focusWidget()))
        m_board->setFocus(Qt::OtherFocusReason);
    render();
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
    focusBoard(m_board, Qt::MouseFocusReason);
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
    if (event->type() == QEvent::Paint && watched == centralWidget())
        paintBackdrop();
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleKey(QKeyEvent* event)
{
    if (event->text().isEmpty() || (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)))
        return false;
    const Game::KeyResult result = m_game.pressKey(event->text().toUcs4().value(0));
    switch (result.kind) {
    case Game::KeyResult::Kind::QuitNow:
        emit quitNowRequested();
        return true;
    case Game::KeyResult::Kind::Handled:
        // The focus stays where the player put it: every control passes the keys on.
        showRefusal(result.move);
        render();
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

// The window's picture, laid side by side outwards from where the drawing sits: any
// band the window's shape leaves round the drawing continues it without a seam.
void MainWindow::paintBackdrop()
{
    const QSize tile = (QSizeF(layout::clientSize) * m_canvas->scale()).toSize();
    const QPixmap picture =
        m_artwork.picture(Artwork::Picture::Background, tile, m_canvas->devicePixelRatioF(),
                          ScaledCanvas::pictureFit(m_canvas));
    if (picture.isNull())
        return;
    const QPoint drawing((m_canvas->width() - tile.width()) / 2,
                         (m_canvas->height() - tile.height()) / 2);
    const QPointF offset((tile.width() - drawing.x() % tile.width()) % tile.width(),
                         (tile.height() - drawing.y() % tile.height()) % tile.height());
    QPainter painter(m_canvas);
    // During a drag the picture may be of a size drawn before, to be scaled to the tile.
    const QSizeF drawn = picture.deviceIndependentSize();
    if (drawn.toSize() != tile)
        painter.scale(tile.width() / drawn.width(), tile.height() / drawn.height());
    const QTransform back = painter.transform().inverted();
    painter.drawTiledPixmap(back.mapRect(QRectF(m_canvas->rect())), picture, back.map(offset));
}

void MainWindow::render()
{
    renderCells();
    renderResult();
    m_scores->showScores(m_game.scoreboard(), m_game.options().scoring);
    renderMenus();
    m_players->setSelected(buttonIndex(m_game.options().players));
    m_firstMove->setSelected(buttonIndex(m_game.firstMoveButton()));
    m_difficulty->setSelected(levelNumber(m_game.options().level) - 1);
    applyStayOnTop();
    m_announcer->announce(spokenNews(m_game.takeNews(), m_game.options()));
}

void MainWindow::renderCells()
{
    // Over the cells the pointer shows the mark the next click places.
    const Match& match = m_game.match();
    const QCursor cursor = !match.isPlaying()            ? QCursor(Qt::ArrowCursor)
                           : match.nextMark() == Mark::O ? m_artwork.oCursor()
                                                         : m_artwork.xCursor();
    const std::optional<Square> latest = match.computerSquare();
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
    struct Shown
    {
        Artwork::Picture picture;
        const char* name;
        const char* caption; // written on the banner
    };
    // Indexed by Outcome: Open, XWins, OWins, Draw.
    static const Shown results[] = {
        {Artwork::Picture::BlankResult, QT_TR_NOOP("No result yet"), ""},
        {Artwork::Picture::XWins, QT_TR_NOOP("X wins"), QT_TR_NOOP("X wins!")},
        {Artwork::Picture::OWins, QT_TR_NOOP("O wins"), QT_TR_NOOP("O wins!")},
        {Artwork::Picture::NoWin, QT_TR_NOOP("No winner"), QT_TR_NOOP("No winner")},
    };
    const Shown& shown = results[static_cast<int>(m_game.match().outcome())];
    m_result->setPicture(shown.picture);
    m_result->setCaption(*shown.caption ? tr(shown.caption) : QString());
    setSpokenName(m_result, tr(shown.name));
    const QString status = statusText(m_game.match(), m_game.options().players);
    m_status->setText(status);
    m_status->setVisible(!status.isEmpty());
    // A screen reader that asks where the player is hears the whole position.
    m_board->describe(spokenPosition(m_game));
    const bool idle = !m_game.match().isPlaying();
    m_newGamePointer->setText(idle ? QStringLiteral("^") : QString());
    setSpokenName(m_newGamePointer, idle ? tr("Start a new game") : QString());
}

void MainWindow::renderMenus()
{
    const Options& options = m_game.options();
    m_menus.clearScore->setEnabled(options.scoring);
    // The switch names the action it offers.
    m_menus.turnScore->setText(options.scoring ? QObject::tr("&Turn Scoring Off")
                                               : QObject::tr("&Turn Scoring On"));
    // Where windows cannot be kept on top the item shows what happens, unchecked,
    // while the game keeps the saved choice for the next start on a desktop that can.
    m_menus.allOnTop->setChecked(m_onTopAvailable && options.onTop);
    for (std::size_t i = 0; i < allLevels.size(); ++i)
        m_menus.levels[i]->setChecked(options.level == allLevels[i]);
    m_menus.xFirst->setChecked(options.firstMover == Mark::X);
    m_menus.oFirst->setChecked(options.firstMover == Mark::O);
    m_menus.onePlayer->setChecked(options.players == Players::One);
    m_menus.twoPlayer->setChecked(options.players == Players::Two);
    m_menus.sounds->setChecked(options.sounds.isOn());
}

void MainWindow::applyStayOnTop()
{
    // While a secondary window is open it holds the top band instead.
    if (m_onTopAvailable && !m_windows->anyOpen())
        StayOnTop::apply(this, m_game.options().onTop);
}

} // namespace ttt
