#include "os/printjob.h"

#include <QFile>
#include <QLibrary>

#include <cups/cups.h>

namespace os {

namespace {

// The CUPS library is loaded when the first job is sent, not when the program starts: with it
// come its TLS, Kerberos and service-discovery libraries, which would make every start slower
// and larger for the few that print.
QLibrary &cupsLibrary()
{
    static QLibrary cups(QStringLiteral("cups"), 2);
    return cups;
}

template <typename Function> Function *cupsFunction(const char *name)
{
    return reinterpret_cast<Function *>(cupsLibrary().resolve(name));
}

} // namespace

bool printJobsGoThroughSpool() { return true; }

bool submitPrintJob(const QString &printer, const QString &spoolFile, const QString &title,
                    QString *reason)
{
    auto *printFile = cupsFunction<decltype(cupsPrintFile)>("cupsPrintFile");
    auto *lastError = cupsFunction<decltype(cupsLastErrorString)>("cupsLastErrorString");
    if (!printFile || !lastError) {
        *reason = cupsLibrary().errorString();
        return false;
    }
    // No options: the printer's own defaults apply, as the print server keeps them.
    const int job =
        printFile(printer.toLocal8Bit().constData(), QFile::encodeName(spoolFile).constData(),
                  title.toLocal8Bit().constData(), 0, nullptr);
    if (job > 0)
        return true;
    *reason = QString::fromLocal8Bit(lastError());
    return false;
}

} // namespace os
