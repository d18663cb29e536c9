#pragma once

#include <QString>

#include <optional>

namespace os {

struct Services;

// Text files as the commands handle them: through the program's codec, written safely, and any
// failure told to the user in a message box that names the file and the system's reason.
bool writeTextFile(Services &services, const QString &path, QStringView text);
std::optional<QString> readTextFile(Services &services, const QString &path);
// The same for a file that may be missing, which is no failure: nothing, and nothing is said.
std::optional<QString> readTextFileIfPresent(Services &services, const QString &path);
bool deleteFile(Services &services, const QString &path);

// What the program could not do with a file or folder.
enum class FileFailure { NotSaved, NotRead, NotDeleted, FolderNotCreated, NotShownInBrowser };

// The message box for a failure: what could not be done, the file by its native name, and why.
void reportFileFailure(Services &services, FileFailure failure, const QString &path,
                       const QString &reason);

} // namespace os
