#pragma once

// How a host creates a control by its programmatic identifier, without linking to the control's
// class: the main window asks for "VarnokGlintar.Glintar" and talks to what it gets through
// dispatch ids and the property bag.

#include "segdisplay/glintar_export.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace glintar
{

class GLINTAR_EXPORT ControlRegistry
{
public:
    // A new control of the kind `id` names (matched without regard to case, as identifiers
    // are), owned by parent; nullptr for an unknown identifier.
    static QWidget* create(const QString& id, QWidget* parent = nullptr);
    static QStringList ids();
};

} // namespace glintar
