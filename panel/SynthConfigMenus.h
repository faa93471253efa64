#pragma once

#include "synth/SynthConfigMenu.h"

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace orvane
{

class ReferenceOscillatorDialog;
class SettingsStore;

// The Program menu's Port, DDS Chip, Ref Osc Frequency and Output Mode groups and the Reference
// Oscillator dialog, wired to the configuration model. Every change is saved at once; chip and
// clock changes then call `resend`, which sends the current frequency again with the new clock
// (CalcVfoFreq, SetDecPoint, DoTheMath). Port and output-mode changes send nothing.
class SynthConfigMenus : public QObject
{
    Q_OBJECT
public:
    using Resend = std::function<void()>;

    // Adds the four groups to `programMenu`; the dialog belongs to `window`. `config` is the
    // configuration the port link reads; it must outlive this object.
    SynthConfigMenus(QWidget& window, QMenu& programMenu, SettingsStore& store, SynthConfig& config,
                     Resend resend);

    // Start-up: reads the stored configuration and sets menus and dialog. Sends nothing.
    void restore();

    const SynthMenuState& state() const { return m_model.state(); }
    ReferenceOscillatorDialog& referenceOscillatorDialog() { return *m_dialog; }

private:
    QMenu* addGroup(QMenu& programMenu, const char* name, const char* caption);
    QAction* addItem(QMenu& group, const char* name, const char* caption);
    void apply(const SynthChange& change);
    void showMenuState();
    void showDialogOptions();
    void openCustomFrequency();
    void saveCrystal();

    SynthConfigMenu m_model;
    SettingsStore& m_store;
    Resend m_resend;
    ReferenceOscillatorDialog* m_dialog;
    std::array<QAction*, 3> m_portItems{};
    std::array<QAction*, 3> m_modeItems{};
    QAction* m_9850Item;
    QAction* m_9851Item;
    QAction* m_standardItem;
    QAction* m_customItem;
};

} // namespace orvane
