#pragma once

// "Varnok": who makes the control and which version this is. Edits nothing.

#include "segdisplay/pages/PropertyPage.h"

namespace glintar {

class GLINTAR_EXPORT PageVarnok final : public PropertyPage {
    Q_OBJECT

public:
    PageVarnok(const PageEnvironment& environment, QWidget* parent = nullptr);
    QString caption() const override;

protected:
    void fill(Glintar&) override {}
};

} // namespace glintar
