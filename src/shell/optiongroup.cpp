#include "shell/optiongroup.h"

#include <QCheckBox>
#include <QRadioButton>

OptionGroup::OptionGroup(QObject* parent) : QObject(parent) {}

int OptionGroup::add(QRadioButton* button, std::function<void()> chosen) {
    const int index = static_cast<int>(m_members.size());
    m_members.push_back({button,
                         [chosen = std::move(chosen)](bool on) {
                             if (on) {
                                 chosen();
                             }
                         },
                         true});
    // toggled, not clicked: an accessibility action toggles the button without a click, and a
    // choice made by the program must run the handler too.
    connect(button, &QAbstractButton::toggled, this,
            [this, index](bool on) { m_members[static_cast<std::size_t>(index)].handler(on); });
    return index;
}

int OptionGroup::add(QCheckBox* box, std::function<void(bool checked)> changed) {
    const int index = static_cast<int>(m_members.size());
    m_members.push_back({box, std::move(changed), false});
    connect(box, &QAbstractButton::toggled, this,
            [this, index](bool on) { m_members[static_cast<std::size_t>(index)].handler(on); });
    return index;
}

void OptionGroup::choose(int index) {
    const Member& member = m_members.at(static_cast<std::size_t>(index));
    if (member.button->isChecked()) {
        member.handler(true);
    } else {
        member.button->setChecked(true);
    }
}

int OptionGroup::chosen() const {
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        if (m_members[i].exclusive && m_members[i].button->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QAbstractButton* OptionGroup::button(int index) const {
    return m_members.at(static_cast<std::size_t>(index)).button;
}
