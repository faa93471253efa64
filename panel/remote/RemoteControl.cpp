#include "RemoteControl.h"

#include "RemoteControlDialog.h"
#include "RemoteServer.h"
#include "RemoteSettings.h"
#include "bands/SettingsStore.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace orvane {

namespace keys = settings_keys;

RemoteControl::RemoteControl(QWidget& window, QMenu& programMenu, SettingsStore& store,
                             RemoteRig& rig, Clock& clock)
    : QObject(&window), m_store(store), m_server(new RemoteServer(rig, clock, this)),
      m_dialog(new RemoteControlDialog(&window))
{
    QAction* item = programMenu.addAction(tr("&Remote Control..."));
    item->setObjectName(QStringLiteral("mnuRemoteControl"));
    connect(item, &QAction::triggered, m_dialog, [this] {
        m_dialog->show();
        m_dialog->raise();
        m_dialog->activateWindow();
    });
    connect(m_dialog, &RemoteControlDialog::optionsChanged, this, &RemoteControl::optionsChanged);
    follow();
}

void RemoteControl::restore()
{
    RemoteControlDialog::Options options;
    options.enabled = m_store.readBool(keys::kRemoteEnabled, false);
    const std::int32_t port = m_store.readInt32(keys::kRemotePort, kDefaultPort);
    options.port = port >= 1 && port <= 65535 ? port : kDefaultPort;
    options.allowAll = m_store.readBool(keys::kRemoteAllowAll, false);
    m_dialog->setOptions(options);
    follow();
}

void RemoteControl::optionsChanged()
{
    const RemoteControlDialog::Options options = m_dialog->options();
    m_store.writeBool(keys::kRemoteEnabled, options.enabled);
    m_store.writeWhole(keys::kRemotePort, options.port);
    m_store.writeBool(keys::kRemoteAllowAll, options.allowAll);
    follow();
}

// Makes the server what the dialog shows, and says so in the dialog.
void RemoteControl::follow()
{
    const RemoteControlDialog::Options options = m_dialog->options();
    m_failure.clear();
    if (!options.enabled) {
        m_server->close();
        m_dialog->showStatus(tr("Remote control is off."), false);
        return;
    }
    if (!m_server->listen(static_cast<quint16>(options.port), options.allowAll)) {
        m_failure = m_server->errorText() + tr(" Remote control is not available.");
        m_dialog->showStatus(m_failure, true);
        return;
    }
    m_dialog->showStatus(
        options.allowAll
            ? tr("Listening on port %1 for programs on this computer and on "
                 "other computers.")
                  .arg(m_server->port())
            : tr("Listening on port %1 for programs on this computer.").arg(m_server->port()),
        false);
}

} // namespace orvane
