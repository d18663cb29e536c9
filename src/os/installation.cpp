#include "os/installation.h"

#include "buildinfo.h"

namespace os {

QString desktopEntryId() { return QStringLiteral(QUILLO_APP_ID); }

} // namespace os
