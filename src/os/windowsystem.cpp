#include "os/windowsystem.h"

#include <QtGlobal>

using namespace Qt::StringLiterals;

namespace os {

SessionEnvironment sessionEnvironment()
{
    return {qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM")};
}

QByteArray preferredPlatform(const SessionEnvironment &environment)
{
    if (!environment.qpaPlatform.isEmpty() || environment.waylandDisplay.isEmpty())
        return {};
    return environment.display.isEmpty() ? "wayland"_ba : "xcb"_ba;
}

QString windowSystemNotice(const QString &platformName)
{
    if (!platformName.startsWith(u"wayland"))
        return {};
    return u"Quillo: always-on-top is not available on Wayland; the main window may not stay in "
           u"front of other windows."_s;
}

} // namespace os
