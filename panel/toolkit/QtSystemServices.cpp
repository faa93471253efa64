#include "QtSystemServices.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>

Q_LOGGING_CATEGORY(lcPanel, "orvane.panel")

namespace orvane {

QtSystemServices::QtSystemServices(QWidget* parent) : m_parent(parent) {}

void QtSystemServices::beep() { QApplication::beep(); }

void QtSystemServices::notify(const QString& text)
{
    // Also on the terminal, for whoever started the program from one.
    qCInfo(lcPanel).noquote() << text;
    emit noticed(text);
}

SystemServices::Answer QtSystemServices::ask(const QString& title, const QString& text, Icon icon,
                                             Buttons buttons)
{
    constexpr QMessageBox::Icon kIcons[] = {QMessageBox::Information, QMessageBox::Warning,
                                            QMessageBox::Question, QMessageBox::Critical};
    QMessageBox box(kIcons[static_cast<int>(icon)], title, text, QMessageBox::NoButton, m_parent);
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

} // namespace orvane
