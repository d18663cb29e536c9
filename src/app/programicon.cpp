#include "app/programicon.h"

#include <QDir>

QIcon programIcon()
{
    // Every size the build rendered from the icon's drawing, so that no size is scaled at run time.
    const QDir sizes(QStringLiteral(":/programicon"));
    QIcon icon;
    for (const QString &file : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(file));
    return icon;
}
