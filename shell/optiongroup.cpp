// SPDX-License-Identifier: GPL-3.0-or-later
#include "optiongroup.h"

#include "gamestyle.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace ttt {

OptionGroup::OptionGroup(const QString& title, std::initializer_list<Option> options,
                         QWidget* parent)
    : QGroupBox(title, parent), m_group(new QButtonGroup(this))
{
    GameStyle::paintAsPanel(this);
    int index = 0;
    for (const auto& [caption, place] : options) {
        auto* button = new QRadioButton(caption, this);
        button->setObjectName(QLatin1String(place.name));
        button->setGeometry(place.rect());
        m_group->addButton(button, index++);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &OptionGroup::optionClicked);
    connect(m_group, &QButtonGroup::idToggled, this, &OptionGroup::updateTabStop);
    updateTabStop();
}

void OptionGroup::updateTabStop()
{
    QAbstractButton* stop = m_group->checkedButton();
    if (!stop)
        stop = m_group->button(0);
    for (QAbstractButton* button : m_group->buttons())
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void OptionGroup::setSelected(int index)
{
    if (index == m_group->checkedId())
        return;
    if (index < 0) {
        m_group->setExclusive(false);
        m_group->checkedButton()->setChecked(false);
        m_group->setExclusive(true);
        return;
    }
    m_group->button(index)->setChecked(true);
}

QRadioButton* OptionGroup::button(int index) const
{
    return qobject_cast<QRadioButton*>(m_group->button(index));
}

QList<QAbstractButton*> OptionGroup::buttons() const
{
    return m_group->buttons();
}

} // namespace ttt
