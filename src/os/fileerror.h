#pragma once

#include <QString>

namespace os {

// Why the system refused to write, read, remove or rename a file, as the system's own error number
// tells it right after the call that failed. Qt's texts are no help there: a full disk can come
// back as "Unknown error" (「未知のエラー」), which tells the user nothing to do.
struct FileError
{
    enum class Cause { None, DiskFull, ReadOnly, DriveGone, NameTooLong, Other };

    Cause cause = Cause::None;
    QString
        systemText; // the system's own words (Qt's, in Japanese where it has them), for the rest

    // What the user is told, in Japanese.
    QString reason() const;
};

// The error the system's last call on this thread left (errno; GetLastError on Windows), or
// Cause::None when it left none. Read it before anything else calls the system; clear it before
// the call, as a call that succeeds may leave an earlier number standing.
FileError lastFileError();
void clearLastFileError();

// The last error, or, when the system left none (a step a test made fail), Qt's words for it.
FileError lastFileErrorOr(const QString &qtText);

} // namespace os
