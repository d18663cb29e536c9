#pragma once

#include <QString>

namespace os {

// Print jobs handed to the print server by the program itself, so that a refusal reaches the
// user: where the print server is CUPS, the pages are first written to a spool file.
bool printJobsGoThroughSpool();

// Sends the spool file to the printer as one job; false, with the print server's reason, when
// the job is not taken.
bool submitPrintJob(const QString &printer, const QString &spoolFile, const QString &title,
                    QString *reason);

} // namespace os
