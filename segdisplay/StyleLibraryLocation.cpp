#include "segdisplay/StyleLibraryLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <dlfcn.h>
#include <unistd.h>

namespace glintar {

namespace {

// The folder of the loaded shared library that holds this function.
QString ownFolder()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&styleLibraryFolder), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
}

} // namespace

QString styleLibraryFolder()
{
    const QString own = ownFolder();
    if (!own.isEmpty() && ::access(QFile::encodeName(own).constData(), W_OK) == 0)
        return own;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/Glintar");
    QDir().mkpath(user);
    return user;
}

} // namespace glintar
