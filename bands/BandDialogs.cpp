#include "BandDialogs.h"

#include "BandTable.h"

namespace orvane {

BandDialogs::BandDialogs(BandTable& table, BandDialogHost& host, SystemServices& services,
                         QWidget* parent)
    : m_table(table), m_host(host), m_services(services), m_parent(parent)
{
}

ConfApp* BandDialogs::configureBand(int n)
{
    return present(m_confApp, n);
}

EditApp* BandDialogs::editBand(int n)
{
    return present(m_editApp, n);
}

template <typename Dialog> Dialog* BandDialogs::present(QPointer<Dialog>& open, int n)
{
    if (!open) {
        if (!BandTable::validSlot(n))
            return nullptr;
        open = new Dialog(n, m_table, m_host, m_services, m_parent);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

} // namespace orvane
