// SPDX-License-Identifier: GPL-3.0-or-later
#include "tipswindow.h"

#include "shell/art/artwork.h"
#include "shell/windowlayout.h"

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
    setObjectName(QLatin1String(layout::tipsWindow));
    setWindowTitle(tr("Tips - Tic Tac Toe"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(fromTwips(4500), fromTwips(3000));
}

void TipsWindow::addButton()
{
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QLatin1String(layout::okButton));
    ok->setGeometry(twipsRect(3480, 360, 495, 375));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

} // namespace ttt
