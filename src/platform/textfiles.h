#pragma once

#include <QString>

#include <optional>

namespace platform {

struct Services;

// Text files as the commands handle them: through the program's codec, written safely, and any
// failure told to the user in a message box that names the file and the system's reason.
bool writeTextFile(Services &services, const QString &path, QStringView text);
std::optional<QString> readTextFile(Services &services, const QString &path);
// The same for a file that may be missing, which is no failure: nothing, and nothing is said.
std::optional<QString> readTextFileIfPresent(Services &services, const QString &path);
bool deleteFile(Services &services, const QString &path);

// A message box for a file that cannot be read.
void reportNotRead(Services &services, const QString &path, const QString &reason);

// A message box for a folder the program needs but cannot create.
void reportFolderNotCreated(Services &services, const QString &path, const QString &reason);

} // namespace platform
