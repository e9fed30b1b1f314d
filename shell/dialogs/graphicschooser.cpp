// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicschooser.h"

#include "core/pictureset.h"
#include "fonts.h"
#include "setpictureview.h"
#include "shell/art/artwork.h"
#include "shell/layout/windowlayout.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace ttt {

namespace {

constexpr int SetsPerColumn = 6;
constexpr int RowPitch = 1080; // twips between the rows of sets

// Sets fill two blocks of six rows, the first set of each block at the bottom.
int rowTop(int set, int bottomTop)
{
    const int row = (set - 1) % SetsPerColumn;
    return bottomTop - row * RowPitch;
}

// What each set looks like, for a player who cannot see the pictures.
QString setLooks(int set)
{
    static const char* const looks[] = {
        QT_TRANSLATE_NOOP("GraphicsChooser", "Chalk marks on a dark slate"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "Glowing neon marks on a dark wall"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "Dark and pale wooden marks on wood"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "Pencil marks on yellow writing paper"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "Blocky pixel marks, as in an old video game"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "A ruby X and a gold O on a blue tile"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "High contrast: a yellow X and a white O on black"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "Sweets on milk chocolate with sprinkles"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "Canes in leaf and a wreath of daisies on soil"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "A technical drawing on blue grid paper"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "Marks embroidered on linen"),
        QT_TRANSLATE_NOOP("GraphicsChooser", "Light beams and a moon in a starry night sky"),
    };
    return GraphicsChooser::tr(looks[set - 1]);
}

QString kindName(Mark kind)
{
    switch (kind) {
    case Mark::Free:
        return GraphicsChooser::tr("empty cell");
    case Mark::X:
        return QStringLiteral("X");
    case Mark::O:
        break;
    }
    return QStringLiteral("O");
}

// Width taken by a radio button's round mark and the gap before its caption.
int indicatorRoom(const QWidget* button)
{
    const QStyle* style = button->style();
    return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) + 2;
}

} // namespace

GraphicsChooser::GraphicsChooser(const Artwork& art, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_options(new QButtonGroup(this))
{
    setUpWindow();
    addSetPictures(art);
    addOptions();
    addButtons();
    orderTabs();
}

void GraphicsChooser::setUpWindow()
{
    setObjectName(QLatin1String(layout::graphicsChooser));
    setWindowTitle(tr("X and O Graphics"));
    setFixedSize(fromTwips(layout::chooserTwips));
    setFont(dialogFont(QFont::SansSerif, 8.25, false));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 255));
    setPalette(pal);
    setAutoFillBackground(true);
}

void GraphicsChooser::addSetPictures(const Artwork& art)
{
    for (int index = 1; index <= PictureSet::pictureCount; ++index) {
        const int set = PictureSet::holding(index).number();
        const Mark kind = PictureSet::markShownBy(index);
        const int blockLeft = set <= SetsPerColumn ? 0 : 5880;
        auto* view = new SetPictureView(art, index, this);
        view->setObjectName(layout::numberedName(layout::setPicturePrefix, index));
        view->setAccessibleName(tr("Set %1: %2").arg(set).arg(kindName(kind)));
        view->move(fromTwips(blockLeft + static_cast<int>(kind) * RowPitch),
                   fromTwips(rowTop(set, 5400)));
        // A click on a picture does what a click on its set's option does.
        connect(view, &SetPictureView::clicked, this, [this, set] {
            option(set)->setFocus(Qt::MouseFocusReason);
            option(set)->click();
        });
    }
}

void GraphicsChooser::addOptions()
{
    for (int set = 1; set <= PictureSet::setCount; ++set) {
        const bool left = set <= SetsPerColumn;
        auto* button = new QRadioButton(tr("Option %1").arg(set), this);
        button->setObjectName(layout::numberedName(layout::setOptionPrefix, set));
        button->setAccessibleName(button->text());
        button->setAccessibleDescription(setLooks(set));
        // Each option reaches to the next column, so that its caption has room.
        const int from = left ? 3360 : 4560;
        const int to = left ? 4560 : 5880;
        button->setGeometry(twipsRect(from, rowTop(set, 5760), to - from, 495));
        shrinkFontToFit(button, button->text(), button->width() - indicatorRoom(button));
        m_options->addButton(button, set);
    }
}

void GraphicsChooser::addButtons()
{
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QLatin1String(layout::okButton));
    m_ok->setGeometry(twipsRect(3960, 3120, 1215, 375));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &GraphicsChooser::accept);

    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QLatin1String(layout::cancelButton));
    m_cancel->setGeometry(twipsRect(3960, 4200, 1215, 375));
    connect(m_cancel, &QPushButton::clicked, this, &GraphicsChooser::cancel);
}

void GraphicsChooser::orderTabs()
{
    QWidget* previous = option(1);
    for (int set = 2; set <= PictureSet::setCount; ++set) {
        QWidget::setTabOrder(previous, option(set));
        previous = option(set);
    }
    QWidget::setTabOrder(previous, m_ok);
    QWidget::setTabOrder(m_ok, m_cancel);
}

QRadioButton* GraphicsChooser::option(int set) const
{
    return static_cast<QRadioButton*>(m_options->button(set));
}

void GraphicsChooser::prepareFor(int firstPicture)
{
    if (selectedSet() == 0)
        selectSet(PictureSet::holding(firstPicture).number());
    if (QAbstractButton* checked = m_options->checkedButton())
        checked->setFocus();
}

void GraphicsChooser::openFor(int firstPicture)
{
    prepareFor(firstPicture);
    show();
    raise();
    activateWindow();
}

int GraphicsChooser::selectedSet() const
{
    return qMax(0, m_options->checkedId());
}

int GraphicsChooser::selectedFirstPicture() const
{
    const int set = selectedSet();
    return set == 0 ? 0 : PictureSet::numbered(set).firstPicture();
}

void GraphicsChooser::selectSet(int set)
{
    if (QRadioButton* button = set >= 1 && set <= PictureSet::setCount ? option(set) : nullptr)
        button->setChecked(true);
}

void GraphicsChooser::accept()
{
    const int firstPicture = selectedFirstPicture();
    if (firstPicture == 0)
        return; // nothing picked yet: OK has nothing to accept
    hide();
    emit accepted(firstPicture);
}

void GraphicsChooser::cancel()
{
    hide();
    emit cancelled();
}

void GraphicsChooser::closeEvent(QCloseEvent* event)
{
    // The frame's close box acts as Cancel; a hidden chooser has nothing to cancel.
    if (isVisible())
        cancel();
    event->accept();
}

void GraphicsChooser::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        cancel();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusWidget() == m_cancel)
            cancel();
        else
            accept();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace ttt
