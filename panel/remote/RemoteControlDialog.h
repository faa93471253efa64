#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace orvane {

// The Remote Control dialog: on or off, the TCP port and whether other computers may connect.
// Every change takes effect at once (there is no OK); the owner saves it and restarts the
// server, then says in the dialog what came of it. Not modal.
class RemoteControlDialog : public QDialog {
    Q_OBJECT
public:
    struct Options {
        bool enabled = false;
        int port = 4532;
        bool allowAll = false;
    };

    explicit RemoteControlDialog(QWidget* parent = nullptr);

    Options options() const;
    // Shows `options` without reporting them as changed.
    void setOptions(const Options& options);
    // A line under the options: what the server is doing, or, as an error, why it is not.
    void showStatus(const QString& text, bool isError);

signals:
    void optionsChanged();

private:
    QCheckBox* m_enabled;
    QSpinBox* m_port;
    QCheckBox* m_allowAll;
    QLabel* m_status;
};

} // namespace orvane
