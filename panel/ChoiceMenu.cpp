#include "ChoiceMenu.h"

#include "bands/SettingsStore.h"

#include <QMenu>

namespace orvane {

ChoiceMenu::ChoiceMenu(QMenu& parent, const char* name, const char* caption, Choices choices,
                       SettingsStore& settings, std::string_view key, int defaultValue,
                       std::function<void(int)> onChoice)
    : QObject(&parent), m_menu(parent.addMenu(caption)), m_choices(std::move(choices)),
      m_settings(settings), m_key(key), m_default(defaultValue), m_onChoice(std::move(onChoice))
{
    m_menu->setObjectName(name);
    for (const Choice& choice : m_choices) {
        QAction* item = m_menu->addAction(choice.caption);
        item->setObjectName(choice.name);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, value = choice.value] {
            check(value);
            m_onChoice(value);
            m_settings.writeWhole(m_key, value);
        });
        m_items.push_back(item);
    }
    check(m_default); // as designed, before start-up restores the stored choice
}

int ChoiceMenu::restore()
{
    const int value = m_settings.readInt32(m_key, m_default);
    check(value);
    m_onChoice(value);
    return value;
}

QAction* ChoiceMenu::item(int value) const
{
    for (std::size_t i = 0; i < m_choices.size(); ++i)
        if (m_choices[i].value == value)
            return m_items[i];
    return nullptr;
}

void ChoiceMenu::check(int value)
{
    for (std::size_t i = 0; i < m_choices.size(); ++i)
        m_items[i]->setChecked(m_choices[i].value == value);
}

} // namespace orvane
