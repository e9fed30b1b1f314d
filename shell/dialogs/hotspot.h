// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace ttt {

// An invisible area over a window's picture that reacts to double-clicks.
class Hotspot : public QWidget
{
    Q_OBJECT

public:
    explicit Hotspot(QWidget* parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace ttt
