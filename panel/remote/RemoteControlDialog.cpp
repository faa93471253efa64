#include "RemoteControlDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane {

RemoteControlDialog::RemoteControlDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RemoteControlDialog"));
    setWindowTitle(tr("Remote Control"));

    m_enabled = new QCheckBox(tr("&Let station programs tune Orvane (rigctld protocol)"), this);
    m_enabled->setObjectName(QStringLiteral("RemoteEnabledCheck"));

    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("RemotePortBox"));
    m_port->setRange(1, 65535);
    // Only a finished number restarts the server, not every digit on the way to it.
    m_port->setKeyboardTracking(false);

    m_allowAll = new QCheckBox(tr("Allow other computers"), this);
    m_allowAll->setObjectName(QStringLiteral("RemoteAllowAllCheck"));
    m_allowAll->setToolTip(tr("Off: only programs on this computer can connect"));

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("RemoteStatusLabel"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* form = new QFormLayout;
    form->addRow(tr("TCP &port:"), m_port);
    form->addRow(QString(), m_allowAll);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    connect(m_enabled, &QCheckBox::toggled, this, &RemoteControlDialog::optionsChanged);
    connect(m_allowAll, &QCheckBox::toggled, this, &RemoteControlDialog::optionsChanged);
    connect(m_port, &QSpinBox::valueChanged, this, &RemoteControlDialog::optionsChanged);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

RemoteControlDialog::Options RemoteControlDialog::options() const
{
    return {m_enabled->isChecked(), m_port->value(), m_allowAll->isChecked()};
}

void RemoteControlDialog::setOptions(const Options& options)
{
    const QSignalBlocker blockEnabled(m_enabled);
    const QSignalBlocker blockPort(m_port);
    const QSignalBlocker blockAllowAll(m_allowAll);
    m_enabled->setChecked(options.enabled);
    m_port->setValue(options.port);
    m_allowAll->setChecked(options.allowAll);
}

void RemoteControlDialog::showStatus(const QString& text, bool isError)
{
    m_status->setText(text);
    QPalette palette = m_status->palette();
    palette.setColor(QPalette::WindowText,
                     isError ? QColor(Qt::red) : this->palette().color(QPalette::WindowText));
    m_status->setPalette(palette);
}

} // namespace orvane
