#include "segdisplay/ControlRegistry.h"

#include "segdisplay/Glintar.h"

#include <array>

namespace glintar
{

namespace
{

struct Registration {
    const char* id;
    QWidget* (*create)(QWidget* parent);
};

constexpr std::array kControls = {
    Registration{"VarnokGlintar.Glintar",
                 [](QWidget* parent) -> QWidget* { return new Glintar(parent); }},
};

} // namespace

QWidget* ControlRegistry::create(const QString& id, QWidget* parent)
{
    for (const Registration& r : kControls)
        if (id.compare(QLatin1String(r.id), Qt::CaseInsensitive) == 0)
            return r.create(parent);
    return nullptr;
}

QStringList ControlRegistry::ids()
{
    QStringList ids;
    for (const Registration& r : kControls)
        ids << QLatin1String(r.id);
    return ids;
}

} // namespace glintar
