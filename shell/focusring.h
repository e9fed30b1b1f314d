// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

namespace ttt {

// The ring round the control that has the keyboard focus, the same in every window of
// the game: a bright yellow band edged in dark on both sides, so that it stands out on
// the blue window, the black panels, the chooser's cyan and every picture set alike,
// pale ones included. It lies just outside
// the control, so it never covers any of it, and it grows with the window.
class FocusRing : public QWidget
{
    Q_OBJECT

public:
    // From now on the control that has the focus in `window` wears the ring.
    static void follow(QWidget* window);
    // While `hidden`, `control` wears no ring even with the focus (the board between
    // games, which invites no moves).
    static void setHidden(QWidget* control, bool hidden);
    // How far the ring reaches out from its control, at the window's scale.
    static int reach(const QWidget* control);

    static constexpr QColor bandColour{255, 214, 10};
    static constexpr QColor edgeColour{20, 20, 40};

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusRing(QWidget* window);
    void track(QWidget* focus);
    void watch(bool on);
    void place();

    QPointer<QWidget> m_control;
};

} // namespace ttt
