#include "segdisplay/pages/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace glintar {

namespace {

class QtMessages final : public Messages {
public:
    void error(const QString& title, const QString& text) override
    {
        QMessageBox::critical(QApplication::activeWindow(), title, text);
    }
    bool askYesNo(const QString& title, const QString& text) override
    {
        return QMessageBox::question(QApplication::activeWindow(), title, text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
};

} // namespace

Messages::~Messages() = default;

std::shared_ptr<Messages> qtMessages()
{
    return std::make_shared<QtMessages>();
}

} // namespace glintar
