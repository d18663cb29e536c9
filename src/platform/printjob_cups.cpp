#include "platform/printjob.h"

#include <QFile>

#include <cups/cups.h>

namespace platform {

bool printJobsGoThroughSpool() { return true; }

bool submitPrintJob(const QString &printer, const QString &spoolFile, const QString &title,
                    QString *reason)
{
    // No options: the printer's own defaults apply, as the print server keeps them.
    const int job =
        cupsPrintFile(printer.toLocal8Bit().constData(), QFile::encodeName(spoolFile).constData(),
                      title.toLocal8Bit().constData(), 0, nullptr);
    if (job > 0)
        return true;
    *reason = QString::fromLocal8Bit(cupsLastErrorString());
    return false;
}

} // namespace platform
