#include "HelpForm.h"

#include "panel/toolkit/Twips.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace orvane {

QString manualHtml()
{
    QFile manual(QStringLiteral(":/orvane/help/Manual.html"));
    manual.open(QIODevice::ReadOnly); // compiled in: it cannot be missing
    return QString::fromUtf8(manual.readAll());
}

HelpForm::HelpForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Orvane Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(12255), twipsToPixels(8460));

    // The view fills the window, so its scroll bar reaches every line of the manual.
    m_richTextBox1 = new QTextBrowser(this);
    m_richTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    m_richTextBox1->setOpenExternalLinks(true);
    m_richTextBox1->setHtml(manualHtml());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_richTextBox1);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

HelpForm* HelpForm::showManual(QWidget* parent)
{
    // The open one is found among the parent's windows; one that was closed is hidden and only
    // waits to be deleted.
    HelpForm* help = nullptr;
    const QList<QWidget*> windows =
        parent ? parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)
               : QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        if (auto* open = qobject_cast<HelpForm*>(window); open && open->isVisible())
            help = open;
    if (!help)
        help = new HelpForm(parent);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

} // namespace orvane
