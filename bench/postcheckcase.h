#pragma once

#include <QString>

// The post check of a Comment of the given size (with a Name, trip and all, and a Mail), as it
// runs at every keystroke, against the codec encoding the same Comment: the least that any count
// of its bytes must do. False for a name that is not this case.
bool runPostCheckCase(const QString &name, qsizetype kilobytes);
