#pragma once

// The control's property pages in one dialog, one tab each, in the control's order: Varnok,
// Library, General, Background, Leds, Captions, Fonts. Every edit reaches the control at once;
// Apply and OK refresh it (which tells the host that its properties changed), Cancel puts back
// the properties it had when the dialog opened.

#include "segdisplay/PropertyBag.h"
#include "segdisplay/glintar_export.h"
#include "segdisplay/pages/PageEnvironment.h"

#include <QDialog>
#include <QPointer>

class QDialogButtonBox;
class QTabWidget;

namespace glintar {

class Glintar;
class PropertyPage;

class GLINTAR_EXPORT PropertyPages final : public QDialog {
    Q_OBJECT

public:
    PropertyPages(Glintar* control, const PageEnvironment& environment = {},
                  QWidget* parent = nullptr);
    ~PropertyPages() override;

    QTabWidget* tabs() const { return m_tabs; }
    // The page whose objectName is `name` ("pageGeneral").
    PropertyPage* page(const QString& name) const;
    void showPage(const QString& name);

    // Refreshes the control; the pages stay open.
    void apply();

    void accept() override;
    void reject() override;

private:
    void pageChanged();

    QPointer<Glintar> m_control;
    PropertyBag m_opened; // the control's properties when the dialog opened
    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    QList<PropertyPage*> m_pages;
};

} // namespace glintar
