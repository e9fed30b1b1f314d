// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameaccessibility.h"

#include "announcer.h"
#include "shell/boardwidget.h"
#include "shell/cellview.h"
#include "shell/dialogs/graphicschooser.h"
#include "shell/dialogs/picturewindow.h"
#include "shell/picturelabel.h"

#include <QAccessibleWidget>

namespace ttt {

namespace {

// The board as a screen reader's list of its nine squares, numbered as the list
// counts them: the reader names the square the focus comes to, and no other, also
// when an arrow goes up or down a row. Nothing of it is selected: a square is
// played, not chosen.
class BoardAccessible : public QAccessibleWidget
{
public:
    explicit BoardAccessible(BoardWidget* board) : QAccessibleWidget(board, QAccessible::List) {}

    int childCount() const override { return Board::squareCount; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return QAccessible::queryAccessibleInterface(
            static_cast<BoardWidget*>(widget())->cell(index + 1));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = qobject_cast<const CellView*>(child ? child->object() : nullptr);
        return cell && cell->parentWidget() == widget() ? cell->square() - 1 : -1;
    }
};

// A square as an item of the board: its name says its number, place and mark, and
// pressing it plays it just as a click does. Its digit key plays it from anywhere on
// the window. An item is not something Space presses: Space keeps its meaning, a new
// game.
class SquareAccessible : public QAccessibleWidget
{
public:
    explicit SquareAccessible(CellView* cell) : QAccessibleWidget(cell, QAccessible::ListItem) {}

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (widget()->isEnabled()) // a disabled window takes no moves
            cell()->press();
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction())
            return {QString::number(cell()->square())};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    CellView* cell() const { return static_cast<CellView*>(widget()); }
};

bool isClass(const QString& className, const QMetaObject& type)
{
    return className == QLatin1String(type.className());
}

QAccessibleInterface* gameAccessible(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (isClass(className, CellView::staticMetaObject))
        return new SquareAccessible(static_cast<CellView*>(widget));
    if (isClass(className, BoardWidget::staticMetaObject))
        return new BoardAccessible(static_cast<BoardWidget*>(widget));
    // The title and the outcome: pictures, read by their names.
    if (isClass(className, PictureLabel::staticMetaObject))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    // News for the player, spoken as it appears: a notice of the status bar, which
    // screen readers speak without calling it a notification first.
    if (isClass(className, Announcer::staticMetaObject))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (qobject_cast<Announcer*>(widget->parentWidget()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    // About and Tips are both picture windows.
    if (isClass(className, PictureWindow::staticMetaObject) ||
        isClass(className, GraphicsChooser::staticMetaObject))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    return nullptr;
}

} // namespace

void installGameAccessibility()
{
    QAccessible::installFactory(gameAccessible);
}

void setSpokenName(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

} // namespace ttt
