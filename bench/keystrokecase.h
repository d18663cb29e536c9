#pragma once

#include <QString>

// A keystroke at the end of a Comment of the given size until the event loop turns again, in the
// program, whose recovery file takes the Comment a moment after typing stops, and in the program
// with its Comment cut off from that file. As the freeze, the longest turn of the event loop from
// then until the recovery file holds the key (for the bare box, until as long has passed): a
// keystroke that lands just as the file is written waits that long. False for a name that is not
// this case.
bool runKeystrokeCase(const QString &name, qsizetype kilobytes);
