#include "os/opendialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace os {

namespace {

QString startFolder()
{
#ifdef Q_OS_WIN
    if (QDir(QStringLiteral("c:\\")).exists())
        return QStringLiteral("c:\\");
#endif
    return QDir::homePath();
}

} // namespace

std::optional<QString> FileOpenDialog::chooseFile(const QString &offered, const QString &pattern)
{
    const QString chosen =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                     offered.isEmpty() ? startFolder() : offered, pattern);
    if (chosen.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen);
}

} // namespace os
