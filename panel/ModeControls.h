#pragma once

#include <vector>

class QWidget;

namespace orvane {

class FrontPanel;

// The panel's modes that take keys away while they last.
enum class PanelMode { MemoryRead, MemoryWrite, Scan, Sweep };

// The controls a mode disables when it begins and enables again when it ends:
//   M>V:   digit keys, CLR, STBY, SWP, SCAN (ENTER, UP, DN, STEP, V>M and PWR stay usable)
//   V>M:   SCAN
//   scan:  all fourteen keypad keys, PWR, STBY, STEP, M>V, SWP, V>M
//   sweep: all fourteen keypad keys, PWR, STEP, SCAN, STBY, M>V, V>M
std::vector<QWidget*> controlsDisabledBy(const FrontPanel& panel, PanelMode mode);

} // namespace orvane
