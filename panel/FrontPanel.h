#pragma once

#include "PanelState.h"
#include "bands/BandTable.h"
#include "synth/DoTheMath.h"
#include "synth/PortLink.h"
#include "synth/SynthConfig.h"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace orvane {

class BandMenus;
class ChoiceMenu;
class Clock;
class DisplayControl;
class DisplayRegister;
class KeyboardUnit;
class KeypadUnit;
class LatchKey;
class MemoryUnit;
class PortIo;
class PowerUnit;
class PushKey;
class RemoteControl;
class RemoteTuning;
class ScanUnit;
class SettingsStore;
class StartupShutdown;
class SynthConfigMenus;
class SweepUnit;
class SystemServices;

// The main window: the instrument's face with its display, keys and menus. It owns the panel's
// shared state; what each key and menu does lives in the feature units (power, keypad, display
// register, memory, scan, sweep, bands, start-up and shutdown), each in a file of its own.
class FrontPanel : public QMainWindow {
    Q_OBJECT
public:
    // What the panel is given from outside: the port, time, the system's beep and boxes, the
    // settings file and the band folder.
    struct Environment {
        PortIo& port;
        Clock& clock;
        SystemServices& system;
        SettingsStore& settings;
        std::filesystem::path bandFolder;
    };

    explicit FrontPanel(const Environment& environment, QWidget* parent = nullptr);
    ~FrontPanel() override;

    // Shared state.
    PanelState state;
    ActiveBandRegisters band;
    SynthConfig config;
    BandTable bands;
    PortLink link;
    double vfoFreqMHz = 0;
    LoadResult lastLoad;
    std::int32_t lastLoadedHz = 0; // the display value of the last load that went out

    // Services.
    Clock& clock;
    SystemServices& system;
    SettingsStore& settings;

    // Controls, named as on the designed form.
    std::unique_ptr<DisplayControl> glintar1;
    QWidget* greyDisplayBox = nullptr;
    std::array<QLabel*, 2> commaBox{}; // 0: thousands, 1: millions
    QLabel* standByBox = nullptr;
    QLabel* sweepBox = nullptr;
    QLabel* stepBox = nullptr;
    QLabel* overUnderFlowBox = nullptr;
    QLabel* memoryBox = nullptr;
    QLabel* offsetBox = nullptr;
    QLineEdit* text1 = nullptr; // tuning word
    QLineEdit* text2 = nullptr; // serial load word
    std::array<PushKey*, 14> keyPad{};
    PushKey* pwrButton = nullptr;
    PushKey* stepButton = nullptr;
    PushKey* mwButton = nullptr; // V>M
    LatchKey* standbyButton = nullptr;
    LatchKey* scanButton = nullptr;
    LatchKey* sweepButton = nullptr;
    LatchKey* memoryButton = nullptr; // M>V

    QMenu* mnuApplication = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuProgram = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuViewTuneWord = nullptr;
    QAction* mnuViewBinary = nullptr;
    QAction* mnuViewOffset = nullptr;
    QAction* mnupgmautohide = nullptr;
    QAction* mnuSweepRange = nullptr;
    QAction* mnuDDSHelp = nullptr;
    QAction* mnuAbout = nullptr;

    // Feature units.
    std::unique_ptr<DisplayRegister> displayRegister;
    std::unique_ptr<PowerUnit> power;
    std::unique_ptr<KeypadUnit> keypad;
    KeyboardUnit* keyboard = nullptr;
    std::unique_ptr<MemoryUnit> memory;
    std::unique_ptr<ScanUnit> scan;
    std::unique_ptr<SweepUnit> sweep;
    std::unique_ptr<BandMenus> bandMenus;
    std::unique_ptr<SynthConfigMenus> synthMenus;
    std::unique_ptr<ChoiceMenu> dwellMenu;
    std::unique_ptr<ChoiceMenu> sweepStepMenu;
    std::unique_ptr<ChoiceMenu> sweepRateMenu;
    std::unique_ptr<StartupShutdown> lifecycle;
    std::unique_ptr<RemoteTuning> remoteTuning;
    RemoteControl* remote = nullptr;

    // The display register's value, and the register as a whole number of hertz (nearest, ties
    // to even).
    double displayValue() const;
    void setDisplayValue(double hertz);
    std::int32_t displayHertz() const;

    // Enables or disables the listed controls together.
    static void setEnabled(std::initializer_list<QWidget*> controls, bool enabled);
    // The fourteen keypad keys, or the digit keys 0..9 only.
    std::vector<QWidget*> keypadKeys() const;
    std::vector<QWidget*> digitKeys() const;
    static void setEnabled(const std::vector<QWidget*>& controls, bool enabled);

    // Shows a text area in front of the others that share its place.
    static void bringToFront(QWidget* textArea);
    // A notice on the status line. It stays until the next one; a menu's hover text covers it
    // only while the menu is open.
    void showNotice(const QString& text);

    // The window caption from band-name bytes (single-byte Latin-1).
    void setCaptionFromBandName(const std::string& name);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildFace();
    void buildMenus();
    void connectKeys();
    void setTabOrder();
    QLabel* m_noticeLine = nullptr;
    bool m_closing = false;
};

} // namespace orvane
