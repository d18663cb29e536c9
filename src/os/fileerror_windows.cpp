#include "os/fileerror.h"

#include <windows.h>

namespace os {

FileError lastFileError()
{
    const DWORD number = GetLastError();
    switch (number) {
    case ERROR_SUCCESS:
        return {};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return {FileError::Cause::DiskFull, {}};
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return {FileError::Cause::ReadOnly, {}};
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_DEVICE_REMOVED:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_UNIT:
        return {FileError::Cause::DriveGone, {}};
    case ERROR_FILENAME_EXCED_RANGE:
        return {FileError::Cause::NameTooLong, {}};
    default:
        return {FileError::Cause::Other, qt_error_string(int(number))};
    }
}

void clearLastFileError() { SetLastError(ERROR_SUCCESS); }

} // namespace os
