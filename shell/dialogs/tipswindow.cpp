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
    // The tips are drawn into the picture; screen readers read them from here.
    setAccessibleDescription(tr("Keys 1 to 9 play the squares, laid out like the number keypad. "
                                "P or space starts a new game. Take the centre square early. "
                                "Block two in a row at once. Fork: make two threats at once. "
                                "S quits at once, unsaved."));
}

void TipsWindow::addButton()
{
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QLatin1String(layout::okButton));
    ok->setGeometry(twipsRect(3480, 360, 495, 375));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

} // namespace ttt
