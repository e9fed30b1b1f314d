#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>

namespace ttt {

class CellView;

// The board: nine cells in keypad layout (7 8 9 on top) on the board picture.
// It takes the keyboard focus, so the digit keys reach the game.
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWidget(QWidget* parent = nullptr);

    CellView* cell(int square) const { return m_cells[square - 1]; }
    void setBackground(const QPixmap& picture);

signals:
    void cellClicked(int square);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::array<CellView*, 9> m_cells{};
    QPixmap m_background;
};

} // namespace ttt
