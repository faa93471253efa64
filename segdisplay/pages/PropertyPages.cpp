#include "segdisplay/pages/PropertyPages.h"

#include "segdisplay/Glintar.h"
#include "segdisplay/pages/PageBackGround.h"
#include "segdisplay/pages/PageCaption.h"
#include "segdisplay/pages/PageFont.h"
#include "segdisplay/pages/PageGeneral.h"
#include "segdisplay/pages/PageLed.h"
#include "segdisplay/pages/PageLibrary.h"
#include "segdisplay/pages/PageVarnok.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace glintar {

PropertyPages::PropertyPages(Glintar* control, const PageEnvironment& environment, QWidget* parent)
    : QDialog(parent), m_control(control)
{
    setObjectName(QStringLiteral("PropertyPages"));
    setWindowTitle(tr("Glintar Properties"));
    if (control)
        control->writeProperties(m_opened);

    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    layout->addWidget(m_tabs);
    m_pages = {new PageVarnok(environment),  new PageLibrary(environment),
               new PageGeneral(environment), new PageBackGround(environment),
               new PageLed(environment),     new PageCaption(environment),
               new PageFont(environment)};
    for (PropertyPage* page : m_pages) {
        m_tabs->addTab(page, page->caption());
        connect(page, &PropertyPage::changed, this, &PropertyPages::pageChanged);
    }
    // A page is filled each time it is shown: another page (a style applied) may have changed
    // what it shows.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (auto* page = qobject_cast<PropertyPage*>(m_tabs->widget(index)))
            page->setControl(m_control);
    });
    if (!m_pages.isEmpty())
        m_pages.front()->setControl(m_control);

    m_buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &PropertyPages::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &PropertyPages::reject);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &PropertyPages::apply);
    layout->addWidget(m_buttons);
}

PropertyPages::~PropertyPages() = default;

PropertyPage* PropertyPages::page(const QString& name) const
{
    for (PropertyPage* page : m_pages)
        if (page->objectName() == name)
            return page;
    return nullptr;
}

void PropertyPages::showPage(const QString& name)
{
    if (PropertyPage* p = page(name))
        m_tabs->setCurrentWidget(p);
}

void PropertyPages::pageChanged()
{
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void PropertyPages::apply()
{
    if (m_control)
        m_control->refresh();
    for (PropertyPage* page : m_pages)
        page->clearChanged();
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
    m_opened = PropertyBag();
    if (m_control)
        m_control->writeProperties(m_opened);
}

void PropertyPages::accept()
{
    apply();
    QDialog::accept();
}

void PropertyPages::reject()
{
    if (m_control && m_buttons->button(QDialogButtonBox::Apply)->isEnabled())
        m_control->readProperties(m_opened);
    QDialog::reject();
}

} // namespace glintar
