#include "dialog_paths.h"

namespace smssim {

QString openDialogPath(const QString& directory, const QString& name) {
    if (directory.endsWith(QLatin1Char('/')))
        return directory + name;
    return directory + QLatin1Char('/') + name;
}

QString saveDialogName(const QString& directory, const QString& name, const QString& extension) {
    const QString fullName = directory + QLatin1Char('/') + name;
    return fullName.right(4) == extension ? fullName : fullName + extension;
}

} // namespace smssim
