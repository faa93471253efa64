#pragma once

#include <QObject>
#include <QString>

class QMenu;
class QWidget;

namespace orvane {

class Clock;
class RemoteControlDialog;
class RemoteRig;
class RemoteServer;
class SettingsStore;

// The Program menu's "Remote Control..." item, its dialog and the server behind it. Options are
// saved the moment they change and the server follows them at once.
class RemoteControl : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultPort = 4532;

    // Adds the item to `programMenu`; this object, the dialog and the server belong to `window`.
    // `rig`, `store` and `clock` must outlive the window.
    RemoteControl(QWidget& window, QMenu& programMenu, SettingsStore& store, RemoteRig& rig,
                  Clock& clock);

    // Start-up: reads the stored options and starts serving when remote control is on.
    void restore();
    // Why remote control is on but not serving (a port in use, say); empty when all is well.
    QString failure() const { return m_failure; }

    RemoteServer& server() { return *m_server; }
    RemoteControlDialog& dialog() { return *m_dialog; }

private:
    void optionsChanged();
    void follow();

    SettingsStore& m_store;
    QString m_failure;
    RemoteServer* m_server;
    RemoteControlDialog* m_dialog;
};

} // namespace orvane
