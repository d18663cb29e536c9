#include "os/fileerror.h"

#include <QtGlobal>

#include <cerrno>

namespace os {

FileError lastFileError()
{
    const int number = errno;
    switch (number) {
    case 0:
        return {};
    case ENOSPC:
    case EDQUOT:
        return {FileError::Cause::DiskFull, {}};
    case EROFS:
    case EACCES:
    case EPERM:
        return {FileError::Cause::ReadOnly, {}};
    // A stick pulled out mid-write answers EIO; its folder, once the mount is gone, ENODEV or
    // ENXIO; a card reader without its card, ENOMEDIUM.
    case EIO:
    case ENODEV:
    case ENXIO:
    case ENOMEDIUM:
        return {FileError::Cause::DriveGone, {}};
    case ENAMETOOLONG:
        return {FileError::Cause::NameTooLong, {}};
    default:
        return {FileError::Cause::Other, qt_error_string(number)};
    }
}

void clearLastFileError() { errno = 0; }

} // namespace os
