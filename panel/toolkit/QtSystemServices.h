#pragma once

#include "SystemServices.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace orvane {

// Beep through QApplication, questions through QMessageBox over `parent`; notices are handed to
// whoever shows them (the main window's status line).
class QtSystemServices final : public QObject, public SystemServices {
    Q_OBJECT
public:
    explicit QtSystemServices(QWidget* parent);
    // The window the boxes are centred on.
    void setParentWindow(QWidget* window) { m_parent = window; }
    void beep() override;
    Answer ask(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    void notify(const QString& text) override;

signals:
    void noticed(const QString& text);

private:
    QPointer<QWidget> m_parent;
};

} // namespace orvane
