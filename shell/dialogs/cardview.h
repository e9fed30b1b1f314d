// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace ttt {

class Artwork;

// One cell picture of the graphics chooser, painted at the screen's scale.
class CardView : public QWidget
{
    Q_OBJECT

public:
    CardView(const Artwork& art, int index, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Artwork& m_art;
    int m_index;
};

} // namespace ttt
