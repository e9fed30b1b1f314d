#pragma once

#include <QPixmap>
#include <QWidget>

namespace ttt {

// One square of the board: shows a picture and reports clicks.
class CellView : public QWidget
{
    Q_OBJECT

public:
    CellView(int square, QWidget* parent = nullptr);

    int square() const { return m_square; }
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

signals:
    void clicked(int square);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_square;
    QPixmap m_picture;
};

} // namespace ttt
