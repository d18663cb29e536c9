#pragma once

#include "os/registry.h"

#include <QString>

#include <stdexcept>

namespace os {
struct Services;
}

namespace about {

// A registry value that fills the whole read buffer without a terminating zero: its text cannot
// be told from what lies beyond it.
class UnterminatedValue : public std::runtime_error
{
public:
    UnterminatedValue();
};

// Reads one value of the registry as text, the key opened for reading only. A string value
// gives its text, a 32-bit number its decimal digits; a value of another type leaves keyValue
// as it was, yet counts as read. A missing key or value, or one longer than the buffer, empties
// keyValue and gives false; a value that fills the buffer without a terminating zero throws
// UnterminatedValue. The key is closed on every way out.
bool GetKeyValue(os::Registry &registry, os::Registry::Key root, const QString &keyPath,
                 const QString &valueName, QString &keyValue);

// Starts the system's information tool, found where the registry names it or, on a system
// without a registry, on the PATH; or tells the user that it is not available.
void StartSysInfo(os::Services &services);

} // namespace about
