#include "SynthConfigMenus.h"

#include "ReferenceOscillatorDialog.h"
#include "SynthSettings.h"
#include "bands/ParseNumber.h"
#include "bands/SettingsText.h"

#include <QAction>
#include <QMenu>

namespace orvane
{

namespace
{

struct MenuItem {
    const char* name;
    const char* caption;
};

constexpr std::array<MenuItem, 3> kPortItems{
    {{"mnuSetLpt1", "LPT1"}, {"mnuSetLpt2", "LPT2"}, {"mnuSetLpt3", "LPT3"}}};
constexpr std::array<MenuItem, 3> kModeItems{
    {{"mnuSetX1", "X1"}, {"mnuSetX2", "X2"}, {"mnuSetX4", "X4"}}};

} // namespace

SynthConfigMenus::SynthConfigMenus(QWidget& window, QMenu& programMenu, SettingsStore& store,
                                   SynthConfig& config, Resend resend)
    : QObject(&window), m_model(config, formatSingle), m_store(store), m_resend(std::move(resend)),
      m_dialog(new ReferenceOscillatorDialog(&window))
{
    QMenu* port = addGroup(programMenu, "mnuSetPort", "&Port");
    for (std::size_t i = 0; i < kPortItems.size(); ++i) {
        m_portItems[i] = addItem(*port, kPortItems[i].name, kPortItems[i].caption);
        connect(m_portItems[i], &QAction::triggered, this,
                [this, i] { apply(m_model.selectPort(static_cast<LptPort>(i))); });
    }

    QMenu* chip = addGroup(programMenu, "mnuPgmChipType", "&DDS Chip");
    m_9850Item = addItem(*chip, "mnuSet9850", "AD9850");
    m_9851Item = addItem(*chip, "mnuSet9851", "AD9851");
    connect(m_9850Item, &QAction::triggered, this, [this] { apply(m_model.select9850()); });
    connect(m_9851Item, &QAction::triggered, this, [this] { apply(m_model.select9851()); });

    QMenu* clock = addGroup(programMenu, "mnuPgmOscFreq", "&Ref Osc Frequency");
    m_standardItem = addItem(*clock, "mnuPgmStandardFreq", "&Standard Frequency");
    m_customItem = addItem(*clock, "mnuPgmCustFreq", "&Custom Frequency");
    connect(m_standardItem, &QAction::triggered, this,
            [this] { apply(m_model.selectStandardFrequency()); });
    connect(m_customItem, &QAction::triggered, this, &SynthConfigMenus::openCustomFrequency);

    QMenu* mode = addGroup(programMenu, "mnuSetMode", "&Output Mode");
    for (std::size_t i = 0; i < kModeItems.size(); ++i) {
        m_modeItems[i] = addItem(*mode, kModeItems[i].name, kModeItems[i].caption);
        connect(m_modeItems[i], &QAction::triggered, this,
                [this, i] { apply(m_model.selectOutputMode(static_cast<OutputMode>(i))); });
    }

    connect(m_dialog, &ReferenceOscillatorDialog::saveClicked, this,
            &SynthConfigMenus::saveCrystal);
    showMenuState();
}

QMenu* SynthConfigMenus::addGroup(QMenu& programMenu, const char* name, const char* caption)
{
    QMenu* group = programMenu.addMenu(QString::fromLatin1(caption));
    group->setObjectName(QString::fromLatin1(name));
    group->menuAction()->setObjectName(QString::fromLatin1(name));
    return group;
}

QAction* SynthConfigMenus::addItem(QMenu& group, const char* name, const char* caption)
{
    QAction* item = group.addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(true);
    return item;
}

void SynthConfigMenus::restore()
{
    m_model.restore(readSynthSettings(m_store));
    showMenuState();
    showDialogOptions();
    m_dialog->setCrystalText(QString::fromStdString(state().crystalText));
}

void SynthConfigMenus::apply(const SynthChange& change)
{
    // Saved before anything is sent, so a setting is kept even if the send goes wrong.
    for (SynthSetting setting : change.saved)
        saveSynthSetting(m_store, setting, m_model.config());
    showMenuState();
    if (change.pllOptionsSet)
        showDialogOptions();
    if (change.resend && m_resend)
        m_resend();
}

void SynthConfigMenus::showMenuState()
{
    // Qt toggles a checkable item when it is triggered; the model decides what stays checked.
    const SynthMenuState& s = state();
    for (std::size_t i = 0; i < m_portItems.size(); ++i)
        m_portItems[i]->setChecked(s.port == static_cast<LptPort>(i));
    for (std::size_t i = 0; i < m_modeItems.size(); ++i)
        m_modeItems[i]->setChecked(s.mode == static_cast<OutputMode>(i));
    m_9850Item->setChecked(m_model.config().is9850);
    m_9851Item->setChecked(!m_model.config().is9850);
    m_standardItem->setChecked(s.standardChecked);
    m_customItem->setChecked(s.customChecked);
    m_standardItem->setText(QString::fromStdString(s.standardCaption));
    m_customItem->setText(QString::fromStdString(s.customCaption));
}

void SynthConfigMenus::showDialogOptions()
{
    m_dialog->setOptions(state().pllOptionsEnabled, m_model.config().x6);
}

void SynthConfigMenus::openCustomFrequency()
{
    m_model.openCustomFrequency();
    showMenuState();
    showDialogOptions();
    m_dialog->setCrystalText(QString::fromStdString(state().crystalText));
    m_dialog->showForEntry();
}

void SynthConfigMenus::saveCrystal()
{
    const std::string typed = m_dialog->crystalText().toStdString();
    const auto change = m_model.saveCrystal(parseNumber(typed), typed, m_dialog->x6Selected());
    if (!change) {
        m_dialog->showRefusal(tr("Enter a crystal frequency above 0 MHz."));
        return;
    }
    apply(*change);
    m_dialog->hide();
}

} // namespace orvane
