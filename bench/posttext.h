#pragma once

#include <QString>

// Text as posters paste and keep it: lines of 80 characters, Japanese and ASCII by turns, now and
// then an empty line, CR LF between them. Every character is one Windows-31J holds, so the
// program's files of it are Windows-31J, as most of its users' files are.
// The text is as long as fills about this many bytes in Windows-31J.
QString postText(qsizetype windows31jBytes);
