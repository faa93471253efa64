#pragma once

#include "BandDialog.h"

#include <QPointer>

namespace orvane {

// Opens the band dialogs from the Band menu; there is one window of each kind. Asking for a
// dialog that is already open brings the open one to the front as it is, also when it was opened
// for another band: its caption, its band and whatever was typed stay, so its fields can only
// be saved into the file of the band they belong to. Save or cancel it to open it for another.
class BandDialogs {
public:
    BandDialogs(BandTable& table, BandDialogHost& host, SystemServices& services, QWidget* parent);

    // Band > New > n and Band > Edit > n; n is 1..15. Each returns the dialog now shown.
    ConfApp* configureBand(int n);
    EditApp* editBand(int n);

private:
    template <typename Dialog> Dialog* present(QPointer<Dialog>& open, int n);

    BandTable& m_table;
    BandDialogHost& m_host;
    SystemServices& m_services;
    QPointer<QWidget> m_parent;
    QPointer<ConfApp> m_confApp;
    QPointer<EditApp> m_editApp;
};

} // namespace orvane
