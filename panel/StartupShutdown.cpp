#include "StartupShutdown.h"

#include "BandMenus.h"
#include "ChoiceMenu.h"
#include "DisplayControl.h"
#include "FrontPanel.h"
#include "KeypadUnit.h"
#include "PowerUnit.h"
#include "SynthConfigMenus.h"
#include "panel/remote/RemoteControl.h"
#include "bands/SettingsKeys.h"
#include "bands/SettingsStore.h"
#include "panel/toolkit/PushKey.h"
#include "panel/toolkit/SystemServices.h"
#include "panel/toolkit/Twips.h"

#include <QAction>
#include <QApplication>
#include <QScreen>

#include <cmath>

namespace orvane {

namespace {
constexpr int kAutoHideDelayMs = 60000;
constexpr int kControlPowerOff = 1;
} // namespace

void StartupShutdown::placeWindow()
{
    // Positions are kept in twips. A missing or negative position (a minimised window may have
    // reported one) puts the window in the middle of the screen.
    const QScreen* screen = m_panel.screen() ? m_panel.screen() : QApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size = m_panel.frameSize().expandedTo(m_panel.size());
    const float centredLeft = static_cast<float>((area.width() - size.width()) / 2 * kTwipsPerPixel);
    const float centredTop = static_cast<float>((area.height() - size.height()) / 2 * kTwipsPerPixel);
    float left = m_panel.settings.readSingle(settings_keys::kFormLeft, centredLeft);
    float top = m_panel.settings.readSingle(settings_keys::kFormTop, centredTop);
    if (left < 0)
        left = centredLeft;
    if (top < 0)
        top = centredTop;
    m_panel.move(area.left() + twipsToPixels(static_cast<int>(std::lround(left))),
                 area.top() + twipsToPixels(static_cast<int>(std::lround(top))));
}

void StartupShutdown::startUp()
{
    FrontPanel& p = m_panel;
    placeWindow();
    p.state.digitCount = 0;
    p.state.memReadIndex = 1;
    p.state.memWriteIndex = 1;

    p.state.autoHideOn = p.settings.readBool(settings_keys::kAutoHide, true);
    p.state.autoHideDelay = kAutoHideDelayMs;
    p.mnupgmautohide->setChecked(p.state.autoHideOn);
    p.power->armAutoHide();

    p.synthMenus->restore();
    p.dwellMenu->restore();
    p.sweepRateMenu->restore();
    p.sweepStepMenu->restore();

    // The first port access of a run: an update strobe with no band lines yet.
    p.link.strobeUpdateBand();
    p.bandMenus->loadBandTable();

    const int n = p.settings.readInt16(settings_keys::kAppNumber, 1);
    if (BandTable::validSlot(n)) {
        p.bandMenus->activateBand(n);
    } else {
        p.keypad->applyStepLimit();
        p.bandMenus->showActivatedOffset();
    }
    p.setDisplayValue(p.settings.readDouble(settings_keys::kLastFrequency, 1000));

    p.remote->restore();
    if (!p.remote->failure().isEmpty())
        p.system.notify(p.remote->failure()); // not only in a dialog nobody has opened yet

    // Switched off: only PWR (and SCAN MEM, as after a power-off) answer.
    FrontPanel::setEnabled(p.keypadKeys(), false);
    FrontPanel::setEnabled(
        {p.standbyButton, p.sweepButton, p.memoryButton, p.stepButton, p.mwButton}, false);
}

void StartupShutdown::shutDown()
{
    FrontPanel& p = m_panel;
    const QPoint origin = p.screen() ? p.screen()->availableGeometry().topLeft() : QPoint();
    const QPoint at = p.pos() - origin;
    p.settings.writeSingle(settings_keys::kFormLeft, static_cast<float>(at.x() * kTwipsPerPixel));
    p.settings.writeSingle(settings_keys::kFormTop, static_cast<float>(at.y() * kTwipsPerPixel));
    p.settings.writeWhole(settings_keys::kAppNumber, p.band.activeBand);
    p.settings.writeDouble(settings_keys::kLastFrequency, p.displayValue());

    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &p && window->isVisible())
            window->close();

    p.link.writeControl(kControlPowerOff);
    p.link.writeData(0);
    QApplication::quit();
}

} // namespace orvane
