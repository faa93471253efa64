#include "ModeControls.h"

#include "FrontPanel.h"
#include "KeypadUnit.h"
#include "panel/toolkit/PushKey.h"

namespace orvane {

std::vector<QWidget*> controlsDisabledBy(const FrontPanel& panel, PanelMode mode)
{
    const FrontPanel& p = panel;
    std::vector<QWidget*> controls;
    switch (mode) {
    case PanelMode::MemoryRead:
        controls = p.digitKeys();
        controls.insert(controls.end(), {p.keyPad[KeypadUnit::kClear], p.standbyButton,
                                         p.sweepButton, p.scanButton});
        break;
    case PanelMode::MemoryWrite: controls = {p.scanButton}; break;
    case PanelMode::Scan:
        controls = p.keypadKeys();
        controls.insert(controls.end(), {p.pwrButton, p.standbyButton, p.stepButton, p.memoryButton,
                                         p.sweepButton, p.mwButton});
        break;
    case PanelMode::Sweep:
        controls = p.keypadKeys();
        controls.insert(controls.end(), {p.pwrButton, p.stepButton, p.scanButton, p.standbyButton,
                                         p.memoryButton, p.mwButton});
        break;
    }
    return controls;
}

} // namespace orvane
