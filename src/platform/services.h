#pragma once

#include <QString>

namespace platform {

class Clipboard;
class Dialogs;
class FileSystem;
class Printer;
class Programs;
class Registry;

// The operating-system services a window of the program works with. The program passes the real
// ones; tests pass doubles and a temporary program folder.
struct Services
{
    QString programFolder;
    FileSystem &files;
    Dialogs &dialogs;
    Clipboard &clipboard;
    QString desktopFolder; // where "O-put" writes
    Printer &printer;
    Registry &registry;
    Programs &programs;
};

} // namespace platform
