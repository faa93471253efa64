#pragma once

#include <QObject>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

class QAction;
class QMenu;

namespace orvane {

class SettingsStore;

// A menu group that chooses one value (scan dwell, sweep step, sweep rate): exactly one item
// carries the check mark, and a choice is saved under the group's key at once.
class ChoiceMenu : public QObject {
    Q_OBJECT
public:
    struct Choice {
        const char* name;
        const char* caption;
        int value;
    };
    using Choices = std::vector<Choice>;

    ChoiceMenu(QMenu& parent, const char* name, const char* caption, Choices choices,
               SettingsStore& settings, std::string_view key, int defaultValue,
               std::function<void(int)> onChoice);

    // Start-up: the stored value (or the default), with its item checked; a stored value that
    // matches no item leaves every item unchecked and is used as it is.
    int restore();
    QAction* item(int value) const;
    QMenu* menu() const { return m_menu; }

private:
    void check(int value);

    QMenu* m_menu;
    Choices m_choices;
    std::vector<QAction*> m_items;
    SettingsStore& m_settings;
    std::string_view m_key;
    int m_default;
    std::function<void(int)> m_onChoice;
};

} // namespace orvane
