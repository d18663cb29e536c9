#include "about/systeminformation.h"

#include "os/dialogs.h"
#include "os/filesystem.h"
#include "os/programs.h"
#include "os/services.h"

#include <QDir>
#include <QScopeGuard>
#include <QtEndian>

#include <array>

namespace about {

namespace {

using os::Registry;

constexpr std::uint32_t bufferSize = 1024;

// Where the registry names the tool: its full path, else the folder that holds it.
const QString toolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString toolValue = QStringLiteral("PATH");
const QString toolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString toolFolderValue = QStringLiteral("MSINFO");
const QString toolFile = QStringLiteral("MSINFO32.EXE");

// The tools that show the same elsewhere, the most complete first.
const std::array pathTools{QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                           QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor")};

bool start(os::Services &services, const QString &path)
{
    QString reason;
    return services.programs.start(path, {}, &reason);
}

bool startFirstOnPath(os::Services &services)
{
    for (const QString &name : pathTools) {
        const QString path = services.programs.findOnPath(name);
        if (!path.isEmpty())
            return start(services, path);
    }
    return false;
}

// True once the tool runs. The folder of location 2 is tried only without location 1, and a tool
// on the PATH only on a system that has no registry to name one.
bool startTool(os::Services &services)
{
    QString path;
    if (GetKeyValue(services.registry, Registry::localMachine, toolKey, toolValue, path))
        return start(services, path);

    QString folder;
    if (!GetKeyValue(services.registry, Registry::localMachine, toolFolderKey, toolFolderValue,
                     folder))
        return !services.registry.isPresent() && startFirstOnPath(services);
    const QString file = folder + QDir::separator() + toolFile;
    return services.files.isPresentFile(file) && start(services, file);
}

} // namespace

UnterminatedValue::UnterminatedValue()
    : std::runtime_error("registry value without a terminating zero")
{}

bool GetKeyValue(Registry &registry, Registry::Key root, const QString &keyPath,
                 const QString &valueName, QString &keyValue)
{
    Registry::Key key{};
    if (registry.openKey(root, keyPath.toLocal8Bit(), Registry::readAccess, &key)
        != Registry::success) {
        keyValue.clear();
        return false;
    }
    const auto closeKey = qScopeGuard([&] { registry.closeKey(key); });

    QByteArray buffer(bufferSize, '\0');
    std::uint32_t type = 0;
    std::uint32_t size = bufferSize;
    if (registry.queryValue(key, valueName.toLocal8Bit(), &type, buffer.data(), &size)
        != Registry::success) {
        keyValue.clear();
        return false;
    }
    const qsizetype end = buffer.indexOf('\0');
    if (end < 0)
        throw UnterminatedValue();

    if (type == Registry::stringType)
        keyValue = QString::fromLocal8Bit(buffer.first(end));
    else if (type == Registry::numberType)
        keyValue = QString::number(qFromLittleEndian<quint32>(buffer.constData()));
    return true;
}

void StartSysInfo(os::Services &services)
{
    try {
        if (startTool(services))
            return;
    } catch (const UnterminatedValue &) {
        // A value that cannot be read ends the search at once, location 2 unread.
    }
    services.dialogs.inform(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
}

} // namespace about
