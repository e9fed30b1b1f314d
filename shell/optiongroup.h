// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/layout/windowlayout.h"

#include <QGroupBox>

#include <initializer_list>
#include <utility>

class QAbstractButton;
class QButtonGroup;
class QRadioButton;

namespace ttt {

// A framed group of option buttons, white on black, a panel of the window. A click reports the
// button's index, even on the button already selected; selecting from code reports nothing. Tab
// reaches the group at its selected button (the first while none is); the arrow keys move between
// its buttons.
class OptionGroup : public QGroupBox
{
    Q_OBJECT

public:
    // A caption, and the button's name and place inside the frame.
    using Option = std::pair<QString, layout::Control>;

    OptionGroup(const QString& title, std::initializer_list<Option> options,
                QWidget* parent = nullptr);

    void setSelected(int index);
    QRadioButton* button(int index) const;
    QList<QAbstractButton*> buttons() const;

signals:
    void optionClicked(int index);

private:
    void updateTabStop();

    QButtonGroup* m_group;
};

} // namespace ttt
