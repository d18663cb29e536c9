#pragma once

#include <QString>

// Start-up with a large Comment until the window stands idle with the text shown, against a bare
// program that reads and decodes the same file into the same kind of text box. Also the longest
// time the window cannot answer on the way. False for a name that is not this case.
bool runStartupCase(const QString &name, qsizetype megabytes);
