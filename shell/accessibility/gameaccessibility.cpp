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

// The board as a screen reader's table of three rows and three columns, the top row
// first, so that the reader tells a square's row and column as it would a cell's.
// Nothing of it is selected: a square is played, not chosen.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit BoardAccessible(BoardWidget* board) : QAccessibleWidget(board, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The squares alone, in reading order: the child at row r, column c is 3r + c.
    int childCount() const override { return Board::squareCount; }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < childCount() ? cellAt(index / 3, index % 3) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = qobject_cast<const CellView*>(child ? child->object() : nullptr);
        if (!cell || cell->parentWidget() != widget())
            return -1;
        return rowOf(cell->square()) * 3 + columnOf(cell->square());
    }

    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row > 2 || column < 0 || column > 2)
            return nullptr;
        return QAccessible::queryAccessibleInterface(board()->cell((2 - row) * 3 + column + 1));
    }
    int rowCount() const override { return 3; }
    int columnCount() const override { return 3; }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    static int rowOf(Square square) { return 2 - (square - 1) / 3; }
    static int columnOf(Square square) { return (square - 1) % 3; }

private:
    BoardWidget* board() const { return static_cast<BoardWidget*>(widget()); }
};

// A square as a cell of the board: its name says its place and mark, and pressing it
// plays it just as a click does. Its digit key plays it from anywhere on the window.
// A cell is not something Space presses: Space keeps its meaning, a new game.
class SquareAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface
{
public:
    explicit SquareAccessible(CellView* cell) : QAccessibleWidget(cell, QAccessible::Cell) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int rowIndex() const override { return BoardAccessible::rowOf(cell()->square()); }
    int columnIndex() const override { return BoardAccessible::columnOf(cell()->square()); }
    int rowExtent() const override { return 1; }
    int columnExtent() const override { return 1; }
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    QAccessibleInterface* table() const override { return parent(); }

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
    // News for the player, spoken as it appears.
    if (isClass(className, Announcer::staticMetaObject))
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

void setSpokenDescription(QWidget* widget, const QString& description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

} // namespace ttt
