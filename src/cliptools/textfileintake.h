#pragma once

#include <QString>

class QListWidget;
class QMimeData;

namespace os {
struct Services;
}

namespace cliptools {

// Both entries put the whole content of one ".txt" file (the last four characters of the path,
// exactly) on the clipboard: its lines joined by CR LF, staged in the scratch text, which keeps
// it. The file is the user's, from any system, so its encoding is found from its
// bytes. The clipboard changes only once the whole file has been read.

// FileIn: the file the user picks in the Open dialog, which offers the file picked last time
// and remembers the new one. Cancel, or a file that cannot be read, ends the command quietly.
void takeInChosenFile(os::Services &services, QString &scratch, QString &lastChosen);

// A drop on the drop box: exactly one file, a ".txt" one, is taken in; a file that cannot be read
// is reported. The box lists the dropped files while the command runs and is empty after it.
// Dropped data without files (dragged text) is ignored.
void takeInDroppedFiles(os::Services &services, QString &scratch, QListWidget &dropBox,
                        const QMimeData &data);

} // namespace cliptools
