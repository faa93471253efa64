#include "AboutBox.h"

namespace orvane {

std::unique_ptr<QMessageBox> makeAboutBox(QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::NoIcon, QStringLiteral("Orvane V2.4.1"),
        QStringLiteral("The front panel for AD9850 and AD9851 DDS VFOs."), QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    return box;
}

void showAbout(QWidget* parent)
{
    makeAboutBox(parent)->exec();
}

} // namespace orvane
