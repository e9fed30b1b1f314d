#include "tipswindow.h"

#include "shell/art/artwork.h"
#include "shell/twips.h"

#include <QPushButton>

namespace ttt {

TipsWindow::TipsWindow(const Artwork& art, QWidget* parent)
    : PictureWindow(art, Artwork::Picture::Tips, parent)
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

} // namespace ttt
