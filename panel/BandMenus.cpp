#include "BandMenus.h"

#include "DisplayRegister.h"
#include "FrontPanel.h"
#include "KeypadUnit.h"
#include "bands/BandConfig.h"
#include "panel/toolkit/SystemServices.h"
#include "panel/toolkit/Latin1.h"

#include <QLabel>
#include <QMenu>

namespace orvane {

namespace {

struct Submenu {
    const char* name;
    const char* caption;
    const char* itemPrefix;
};

constexpr Submenu kSubmenus[4] = {
    {"mnuLoadApp", "&Load", "mnuLoadProj"},
    {"mnuNewApp", "&New", "mnuConf"},
    {"mnuEditExisting", "&Edit", "mnuEditConf"},
    {"mnuDeleteApp", "&Delete", "mnuDelete"},
};

} // namespace

BandMenus::BandMenus(FrontPanel& panel, QMenu& bandMenu)
    : QObject(&panel), m_panel(panel), m_dialogs(panel.bands, *this, panel.system, &panel)
{
    for (std::size_t kind = 0; kind < 4; ++kind) {
        QMenu* submenu = bandMenu.addMenu(kSubmenus[kind].caption);
        submenu->setObjectName(kSubmenus[kind].name);
        for (int n = 1; n <= BandTable::kSlots; ++n) {
            QAction* item = submenu->addAction(QString());
            item->setObjectName(QStringLiteral("%1%2").arg(kSubmenus[kind].itemPrefix).arg(n));
            m_items[kind][index(n)] = item;
        }
    }
    for (int n = 1; n <= BandTable::kSlots; ++n) {
        showBandAbsent(n);
        connect(loadItem(n), &QAction::triggered, this, [this, n] { loadBand(n); });
        connect(newItem(n), &QAction::triggered, this, [this, n] { m_dialogs.configureBand(n); });
        connect(editItem(n), &QAction::triggered, this, [this, n] { m_dialogs.editBand(n); });
        connect(deleteItem(n), &QAction::triggered, this, [this, n] { deleteBand(n); });
    }
}

void BandMenus::showBandPresent(int n, const QString& caption)
{
    for (const auto& kind : m_items) {
        QAction* item = kind[index(n)];
        item->setText(caption);
        item->setEnabled(true);
    }
    newItem(n)->setEnabled(false);
}

void BandMenus::showBandAbsent(int n)
{
    const QString caption = QStringLiteral("Band #%1").arg(n);
    for (const auto& kind : m_items) {
        QAction* item = kind[index(n)];
        item->setText(caption);
        item->setEnabled(false);
    }
    newItem(n)->setEnabled(true);
}

void BandMenus::loadBandTable()
{
    for (int n = 1; n <= BandTable::kSlots; ++n) {
        reportFileError(m_panel.bands.readBandFile(n));
        const BandConfig& band = m_panel.bands.slot(n);
        if (band.presentAtStart())
            showBandPresent(n, fromLatin1(band.bandName));
    }
}

void BandMenus::activateBand(int n)
{
    const BandConfig& slot = m_panel.bands.slot(n);
    ActiveBandRegisters& band = m_panel.band;
    // The number stored in the record, not the slot it was read from.
    band.activeBand = slot.bandNumber;
    band.activeBandName = slot.bandName;
    band.bandStart = slot.startFreq;
    band.bandEnd = slot.endFreq;
    band.bandOffsetOn = slot.offsetOn != 0;
    band.bandOffset = slot.offsetFreq;
    band.bandCorrection = slot.vfoCorrection;
    m_panel.setCaptionFromBandName(band.activeBandName);
    band.sweepStart = band.bandStart;
    band.sweepEnd = band.bandEnd;
    m_panel.link.setBand(n); // the filter lines follow the slot
    m_panel.keypad->applyStepLimit();
    showActivatedOffset();
}

void BandMenus::showActivatedOffset()
{
    m_panel.offsetBox->setText(QString::fromStdString(
        activatedOffsetText(m_panel.band.bandOffsetOn, m_panel.band.bandOffset)));
}

void BandMenus::activateEditedBand(const EditedBandActivation& edited)
{
    ActiveBandRegisters& band = m_panel.band;
    band.activeBand = edited.activeBand;
    band.activeBandName = edited.activeBandName.toLatin1().toStdString();
    m_panel.setWindowTitle(edited.activeBandName);
    band.bandStart = edited.bandStart;
    band.bandEnd = edited.bandEnd;
    band.bandOffset = edited.bandOffset;
    band.bandCorrection = edited.bandCorrection;
    m_panel.offsetBox->setText(edited.offsetBoxText);
    m_panel.setDisplayValue(edited.displayValue);
    m_panel.vfoFreqMHz = edited.vfoFreqMHz;
    m_panel.displayRegister->setDecPoint();
    m_panel.displayRegister->doTheMath();
}

void BandMenus::loadBand(int n)
{
    reportFileError(m_panel.bands.readBandFile(n));
    activateBand(n);
    m_panel.setDisplayValue(m_panel.band.bandStart);
    m_panel.displayRegister->setDecPoint();
    m_panel.displayRegister->updateVfo();
}

void BandMenus::deleteBand(int n)
{
    m_panel.system.beep();
    const auto answer = m_panel.system.ask(
        "Delete This Band", QStringLiteral("Delete Band %1?").arg(n),
        SystemServices::Icon::Question, SystemServices::Buttons::OkCancel);
    if (answer != SystemServices::Answer::Ok)
        return;
    const std::string error = m_panel.bands.deleteBand(n);
    reportFileError(error);
    if (error.empty())
        showBandAbsent(n);
    // The active band stays as it is, even when it was this one.
}

void BandMenus::storeMemoryCell()
{
    PanelState& s = m_panel.state;
    s.memoryWriteMode = false;
    m_panel.memoryBox->setText({});
    m_panel.memoryBox->hide();
    const int active = m_panel.band.activeBand;
    if (!BandTable::validSlot(active))
        return;
    BandConfig record = m_panel.bands.slot(active);
    if (s.memWriteIndex >= 1 && s.memWriteIndex <= BandConfig::kMemoryCells) {
        const auto hertz = toHertz(m_panel.displayValue());
        if (!hertz) {
            m_panel.system.notify("The frequency does not fit a memory cell; nothing was stored.");
            return;
        }
        record.memCell(s.memWriteIndex) = *hertz;
    }
    reportFileError(m_panel.bands.replaceSlot(active, record));
}

void BandMenus::reportFileError(const std::string& error)
{
    if (!error.empty())
        m_panel.system.notify(QString::fromStdString(error));
}

} // namespace orvane
