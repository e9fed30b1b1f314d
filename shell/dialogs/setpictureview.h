// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace ttt {

class Artwork;

// One cell picture of the graphics chooser, painted at its size and the screen's scale.
// A click on it picks its set.
class SetPictureView : public QWidget
{
    Q_OBJECT

public:
    SetPictureView(const Artwork& art, int index, QWidget* parent = nullptr);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const Artwork& m_art;
    int m_index;
};

} // namespace ttt
