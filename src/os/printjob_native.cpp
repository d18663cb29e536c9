#include "os/printjob.h"

namespace os {

// Without CUPS, Qt's print engine hands the job over itself and reports what the system says.
bool printJobsGoThroughSpool() { return false; }

bool submitPrintJob(const QString &, const QString &, const QString &, QString *) { return true; }

} // namespace os
