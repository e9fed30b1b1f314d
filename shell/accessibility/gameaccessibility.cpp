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

// A square as a button: its name says its place and mark, pressing it plays it
// just as a click does, and its digit key plays it from anywhere on the board.
class SquareAccessible : public QAccessibleWidget
{
public:
    explicit SquareAccessible(CellView* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

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
        return new QAccessibleWidget(widget, QAccessible::Grouping);
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
