#pragma once

#include <QStringList>

#include <functional>

class QAbstractItemView;
class QMimeData;

namespace widgets {

// Makes the box a drop target for files from the file manager: files dragged onto it are taken
// as a copy, anything else is refused, and the box's own drop handling (moving items) never runs.
// The handler gets the dropped data right after the drop has finished, so that the program dragged
// from is not kept waiting while the handler shows its messages.
void onDrop(QAbstractItemView *box, std::function<void(const QMimeData &)> handler);

// The full paths of the files in dropped data, in the order of the drop; empty when the data
// holds no files (dragged text or a web address).
QStringList droppedFiles(const QMimeData &data);

} // namespace widgets
