#include "tipswindow.h"

#include "shell/art/artwork.h"
#include "shell/twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace ttt {

TipsWindow::TipsWindow(const Artwork& art, QWidget* parent)
    : QWidget(parent, Qt::Window), m_art(art)
{
    setUpWindow();
    addButton();
}

void TipsWindow::setUpWindow()
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Tips - Tic Tac Toe"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(fromTwips(4500), fromTwips(3000));
}

void TipsWindow::addButton()
{
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(twipsRect(3480, 360, 495, 375));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

void TipsWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_art.picture(Artwork::Picture::Tips, devicePixelRatioF()));
}

void TipsWindow::closeEvent(QCloseEvent* event)
{
    if (isVisible()) {
        hide();
        emit closed();
    }
    event->accept();
}

void TipsWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace ttt
