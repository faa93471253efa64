// Orvane: the front panel of a DDS variable-frequency oscillator on a parallel port.

#include "CloseOnSignal.h"
#include "FrontPanel.h"
#include "StartupShutdown.h"
#include "bands/BandFiles.h"
#include "bands/SettingsStore.h"
#include "panel/toolkit/QtClock.h"
#include "panel/toolkit/QtSystemServices.h"
#include "synth/portio/PortIoFactory.h"

#include <QAbstractEventDispatcher>
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvane");
    QApplication::setApplicationVersion("2.4.1");

    orvane::QtSystemServices system(nullptr);
    orvane::SettingsStore settings(orvane::SettingsStore::defaultPath(),
                                   [&](const std::string& text) {
                                       system.notify(QString::fromStdString(text));
                                   });
    const auto port = orvane::openPortIo(orvane::PortIoOptions::fromEnvironment(),
                                         [&](const std::string& text) {
                                             system.notify(QString::fromStdString(text));
                                         });
    orvane::QtClock clock;
    orvane::FrontPanel panel({*port, clock, system, settings, orvane::defaultBandFolder()});
    system.setParentWindow(&panel);
    QObject::connect(&system, &orvane::QtSystemServices::noticed, &panel,
                     &orvane::FrontPanel::showNotice);

    // The trace reaches its file at the end of every event, so another process can follow it.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     [&] { port->flush(); });
    orvane::closeOnTerminationSignals(panel);

    panel.lifecycle->startUp();
    panel.show();
    const int status = QApplication::exec();
    port->flush();
    return status;
}
