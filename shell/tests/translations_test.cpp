// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window in each language the game ships: the desktop's language is
// followed, English stays exactly as written, every menu keeps one access key per
// item, and no caption is cut off by the window's fixed layout.
#include "shell/dialogs/tipswindow.h"
#include "shell/focusring.h"
#include "shell/layout/windowlayout.h"
#include "shell/scaledcanvas.h"
#include "translations/language.h"
#include "windowtestbench.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTranslator>

#include <functional>

using namespace ttt;

namespace {

// The access key of a caption ("E&xit" gives 'x'), or a null character.
QChar accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// "The access key of each caption in `actions` is its own", or the captions that
// share one.
QStringList sharedKeys(const QList<QAction*>& actions)
{
    QMap<QChar, QString> owners;
    QStringList shared;
    for (QAction* action : actions) {
        const QChar key = accessKey(action->text());
        if (key.isNull() || !action->isVisible())
            continue;
        if (owners.contains(key))
            shared << owners[key] + QStringLiteral(" / ") + action->text();
        owners[key] = action->text();
    }
    return shared;
}

// Each caption of the window's controls that does not fit its rectangle.
QStringList clippedCaptions(const QWidget* area)
{
    QStringList clipped;
    const auto report = [&clipped](const QWidget* widget, const QString& text, int need, int room) {
        if (need > room)
            clipped << QStringLiteral("%1 \"%2\": %3 px in %4")
                           .arg(widget->objectName(), text)
                           .arg(need)
                           .arg(room);
    };
    for (const QRadioButton* button : area->findChildren<QRadioButton*>()) {
        const QFontMetrics metrics(button->font());
        const QStyle* style = button->style();
        const int mark = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                         style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        report(button, button->text(), mark + metrics.horizontalAdvance(button->text()),
               button->width());
        report(button, button->text(), metrics.height(), button->height());
    }
    for (const QGroupBox* box : area->findChildren<QGroupBox*>()) {
        // Where the style draws the title: it must lie inside the frame's top edge.
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        const int margin = box->isRightToLeft() ? box->width() - 1 - title.right() : title.left();
        report(box, box->title(),
               margin + QFontMetrics(box->font()).horizontalAdvance(box->title()) + margin,
               box->width());
    }
    for (const QPushButton* button : area->findChildren<QPushButton*>()) {
        if (button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        report(button, button->text(),
               QFontMetrics(button->font()).horizontalAdvance(button->text()), room.width());
    }
    for (const QLabel* label : area->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        if (label->wordWrap())
            report(label, label->text(),
                   metrics.boundingRect(room, Qt::TextWordWrap, label->text()).height(),
                   room.height());
        else
            report(label, label->text(), metrics.horizontalAdvance(label->text()), room.width());
    }
    return clipped;
}

// Each tip on the Tips card that leaves the card's room for words, runs into the next
// or lies under the focus ring round OK.
QStringList strayTips(const TipsWindow& tips)
{
    QStringList stray;
    const QList<QRectF> places = tips.tipPlaces();
    const auto* ok = tips.findChild<QPushButton*>(QLatin1String(layout::okButton));
    const int out = FocusRing::reach(ok);
    const QRectF ring(ok->geometry().adjusted(-out, -out, out, out));
    for (qsizetype i = 0; i < places.size(); ++i) {
        const bool inside = TipsWindow::textRoom().contains(places[i]);
        if (!inside || places[i].intersects(ring) ||
            (i > 0 && places[i].top() < places[i - 1].bottom()))
            stray << TipsWindow::tips()[i];
    }
    return stray;
}

void expectNone(const QStringList& faults)
{
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void firstKnownLanguageWins_data();
    void firstKnownLanguageWins();
    void desktopLanguageIsFollowed();
    void everyLanguage_data();
    void everyLanguage();
    void menuLettersChooseTheirItems_data();
    void menuLettersChooseTheirItems();
};

void TranslationsTest::firstKnownLanguageWins_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("region") << QStringList{"de-AT", "de"} << QStringLiteral("de");
    QTest::newRow("underscore") << QStringList{"fr_CA"} << QStringLiteral("fr");
    QTest::newRow("unshipped first") << QStringList{"it-IT", "es-419"} << QStringLiteral("es");
    QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << QString();
    QTest::newRow("C") << QStringList{"C"} << QString();
    QTest::newRow("none shipped") << QStringList{"pt-BR", "ja"} << QString();
    QTest::newRow("empty") << QStringList{} << QString();
}

void TranslationsTest::firstKnownLanguageWins()
{
    QFETCH(QStringList, preferred);
    QFETCH(QString, chosen);
    QCOMPARE(i18n::chosenLanguage(preferred), chosen);
}

// Run by the suite under LANG=C, en_US and LANGUAGE=de (TTT_EXPECTED_LANGUAGE).
void TranslationsTest::desktopLanguageIsFollowed()
{
    const QString expected = qEnvironmentVariable("TTT_EXPECTED_LANGUAGE");
    const QStringList desktop = QLocale::system().uiLanguages();
    QCOMPARE(i18n::chosenLanguage(desktop), expected);
    const i18n::Translation translation(desktop);
    test::WindowTestBench bench;
    if (!expected.isEmpty()) {
        QCOMPARE(bench.window->windowTitle(), QStringLiteral("Vemos Tic Tac Toe "));
        return;
    }
    // English: no translator at all, and every caption as the game has always had it.
    QVERIFY(QCoreApplication::translate("QObject", "&File") == QStringLiteral("&File"));
    QCOMPARE(bench.window->windowTitle(), QStringLiteral("Vemo's Tic Tac Toe "));
    const QList<QPair<const char*, const char*>> captions = {
        {layout::newGameAction, "&New Game"},
        {layout::clearScoreAction, "&Clear Score"},
        {layout::allOnTopAction, "Al&ways on Top"},
        {layout::taskbarAction, "&Taskbar"},
        {layout::exitAction, "E&xit"},
        {layout::levelActions[0], "&Easy"},
        {layout::levelActions[1], "&Meduim"},
        {layout::levelActions[2], "&Hard"},
        {layout::levelActions[3], "&Unbeatable"},
        {layout::graphicsAction, "&Graphics"},
        {layout::xFirstAction, "X Goes First"},
        {layout::oFirstAction, "O Goes First"},
        {layout::onePlayerAction, "&One Player"},
        {layout::twoPlayerAction, "&Two Player"},
        {layout::soundsAction, "&Sounds"},
        {layout::tipsAction, "&Tips"},
        {layout::aboutAction, "&About Tic Tac Toe"},
    };
    for (const auto& [name, caption] : captions)
        QCOMPARE(bench.window->findChild<QAction*>(QLatin1String(name))->text(),
                 QLatin1String(caption));
    const QList<QPair<const char*, const char*>> menus = {
        {layout::fileMenu, "&File"},
        {layout::difficultyMenu, "&Difficulty"},
        {layout::optionsMenu, "&Options"},
        {layout::helpMenu, "&Help"},
        {layout::firstMoveMenu, "&First Move"},
        {layout::playersMenu, "&Number of Players"},
    };
    for (const auto& [name, caption] : menus)
        QCOMPARE(bench.window->findChild<QMenu*>(QLatin1String(name))->title(),
                 QLatin1String(caption));
    const QList<QPair<const char*, const char*>> controls = {
        {layout::playersPanel.name, "Players"},
        {layout::scorePanel.name, "Score"},
        {layout::firstMovePanel.name, "First Move"},
        {layout::difficultyPanel.name, "Difficulty"},
    };
    for (const auto& [name, caption] : controls)
        QCOMPARE(bench.window->findChild<QGroupBox*>(QLatin1String(name))->title(),
                 QLatin1String(caption));
    const char* const levels[] = {"Easy", "Meduim", "Hard", "Unbeat"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(
            bench.window->findChild<QRadioButton*>(QLatin1String(layout::difficultyOptions[i].name))
                ->text(),
            QLatin1String(levels[i]));
}

void TranslationsTest::everyLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    for (const QString& language : QStringList{QString()} + i18n::shippedLanguages()) {
        const QString name = language.isEmpty() ? QStringLiteral("en") : language;
        QTest::newRow(qPrintable(name)) << language << Qt::LeftToRight;
        QTest::newRow(qPrintable(name + QStringLiteral(" right-to-left")))
            << language << Qt::RightToLeft;
    }
}

void TranslationsTest::everyLanguage()
{
    QFETCH(QString, language);
    QFETCH(Qt::LayoutDirection, direction);
    std::unique_ptr<QTranslator> translator = i18n::gameTranslation(language);
    QCOMPARE(translator != nullptr, !language.isEmpty());
    if (translator)
        QCoreApplication::installTranslator(translator.get());
    QGuiApplication::setLayoutDirection(direction);
    test::WindowTestBench bench;
    bench.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(bench.window.get()));

    QMenuBar* bar = bench.window->menuBar();
    expectNone(sharedKeys(bar->actions()));
    // The game's six menus (the bar's own overflow menu has no name).
    QList<QMenu*> menus = bar->findChildren<QMenu*>();
    menus.removeIf([](const QMenu* menu) { return menu->objectName().isEmpty(); });
    QCOMPARE(menus.size(), 6);
    for (const QMenu* menu : menus) {
        QVERIFY2(!accessKey(menu->title()).isNull(), qPrintable(menu->title()));
        expectNone(sharedKeys(menu->actions()));
    }
    // The scoring switch names the other action once turned: its second caption too.
    bench.window->findChild<QAction*>(QLatin1String(layout::scoringAction))->trigger();
    const auto* options = bench.window->findChild<QMenu*>(QLatin1String(layout::optionsMenu));
    expectNone(sharedKeys(options->actions()));

    const QWidget* area = bench.window->findChild<QWidget*>(QLatin1String(layout::canvas));
    // Every caption at the first size and at twice it, in the window and in each of its
    // dialogs as they open beside it.
    for (const int scale : {1, 2}) {
        bench.window->resize(bench.window->size() + (scale - 1) * layout::clientSize);
        QTRY_COMPARE(area->size(), layout::clientSize * scale);
        QTest::qWait(ScaledCanvas::SettleMilliseconds * 2);
        expectNone(clippedCaptions(area));
        for (const auto& [opener, name] :
             {std::pair{layout::graphicsAction, layout::graphicsChooser},
              {layout::aboutAction, layout::aboutWindow},
              {layout::tipsAction, layout::tipsWindow}}) {
            bench.window->findChild<QAction*>(QLatin1String(opener))->trigger();
            QWidget* dialog = test::secondaryWindow(name);
            QVERIFY(dialog && dialog->isVisible());
            expectNone(clippedCaptions(dialog));
            if (const auto* tips = qobject_cast<TipsWindow*>(dialog))
                expectNone(strayTips(*tips));
            dialog->close();
        }
    }
    // The level's panel bears its menu's name.
    const auto* levels = bench.window->findChild<QMenu*>(QLatin1String(layout::difficultyMenu));
    const auto* panel = area->findChild<QGroupBox*>(QLatin1String(layout::difficultyPanel.name));
    QCOMPARE(panel->title(), QString(levels->title()).remove(QLatin1Char('&')));

    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
}

void TranslationsTest::menuLettersChooseTheirItems_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringList{QString()} + i18n::shippedLanguages())
        QTest::newRow(language.isEmpty() ? "en" : qPrintable(language)) << language;
}

// With a game running, every item of every menu, opened by the letters a player reads
// there, does its own work, and no letter reaches the game while a menu is open.
void TranslationsTest::menuLettersChooseTheirItems()
{
    QFETCH(QString, language);
    std::unique_ptr<QTranslator> translator = i18n::gameTranslation(language);
    if (translator)
        QCoreApplication::installTranslator(translator.get());
    test::WindowTestBench bench;
    MainWindow& window = *bench.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList faults;
    QSignalSpy quitNow(&window, &MainWindow::quitNowRequested);
    const std::function<void(QMenu*, QList<QChar>)> walk = [&](QMenu* menu, QList<QChar> path) {
        for (QAction* action : menu->actions()) {
            const QChar key = accessKey(action->text());
            if (key.isNull() || !action->isVisible() || !action->isEnabled() ||
                action->objectName() == QLatin1String(layout::exitAction))
                continue;
            if (action->menu()) {
                walk(action->menu(), path + QList<QChar>{key});
                continue;
            }
            QTest::keyClick(&window, Qt::Key_P); // a game runs, X on 5
            QTest::keyClick(&window, Qt::Key_5);
            const Board before = bench.game().match().board();
            QSignalSpy triggered(action, &QAction::triggered);
            QTest::keyClick(&window, path.front().toLatin1(), Qt::AltModifier);
            for (const QChar letter : path.mid(1) + QList<QChar>{key}) {
                QWidget* popup = QApplication::activePopupWidget();
                if (!popup)
                    break;
                QTest::keyClick(popup, letter.toLatin1());
            }
            const QString item = menu->title() + QStringLiteral(" > ") + action->text();
            if (triggered.count() != 1)
                faults << item + QStringLiteral(": not chosen by its letter");
            else if ((bench.game().match().board() != before &&
                      action->objectName() != QLatin1String(layout::newGameAction)) ||
                     quitNow.count() > 0)
                faults << item + QStringLiteral(": the letter reached the game");
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->close();
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top != &window && top->isVisible() && !qobject_cast<QMenu*>(top))
                    top->close();
            }
        }
    };
    for (QAction* entry : window.menuBar()->actions()) {
        if (entry->menu() && !entry->menu()->objectName().isEmpty())
            walk(entry->menu(), {accessKey(entry->text())});
    }
    expectNone(faults);
}

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
