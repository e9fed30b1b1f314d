#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace ttt {

// A small button drawn as a picture, with one face while it is held down and
// another when it is released.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(QPixmap up, QPixmap down, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_up;
    QPixmap m_down;
};

} // namespace ttt
