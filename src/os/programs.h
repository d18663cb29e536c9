#pragma once

#include <QString>
#include <QStringList>

namespace os {

// Other programs of the system. A program is always started by its path with its arguments as
// they are, never through a shell, so no character of a path or an argument has a meaning of
// its own.
class Programs
{
public:
    virtual ~Programs() = default;

    // The path of the program of that name on the PATH, or the empty text.
    virtual QString findOnPath(const QString &name) const;
    // Starts the program on its own, in a normal window; false with the reason when it cannot.
    virtual bool start(const QString &path, const QStringList &arguments, QString *reason);
};

} // namespace os
