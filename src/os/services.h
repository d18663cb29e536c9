#pragma once

#include <QString>

namespace os {

class Browser;
class Clipboard;
class ColourDialog;
class Dialogs;
class FileSystem;
class OpenDialog;
class Printer;
class Programs;
class Registry;
class WebFetch;

// The operating-system services a window of the program works with. The program passes the real
// ones; tests pass doubles and a temporary program folder.
struct Services
{
    QString programFolder;
    FileSystem &files;
    Dialogs &dialogs;
    Clipboard &clipboard;
    Browser &browser;
    ColourDialog &colourDialog;
    OpenDialog &openDialog;
    QString desktopFolder; // where "O-put" writes
    Printer &printer;
    Registry &registry;
    Programs &programs;
    WebFetch &web; // a board's settings, read when the user asks
};

} // namespace os
