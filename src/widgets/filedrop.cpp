#include "widgets/filedrop.h"

#include <QAbstractItemView>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace widgets {

namespace {

class DropFilter final : public QObject
{
public:
    DropFilter(QObject *parent, std::function<void(const QMimeData &)> handler)
        : QObject(parent)
        , handler_(std::move(handler))
    {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            takeAsCopy(*static_cast<QDropEvent *>(event));
            return true;
        case QEvent::Drop:
            drop(*static_cast<QDropEvent *>(event));
            return true;
        default:
            return false;
        }
    }

private:
    // Only files are taken, and only ever as a copy: the files are read, never taken over, and
    // the program they come from must not delete them, nor text dragged from a field lose it.
    static void takeAsCopy(QDropEvent &event)
    {
        if (event.mimeData()->hasUrls() && event.possibleActions().testFlag(Qt::CopyAction)) {
            event.setDropAction(Qt::CopyAction);
            event.accept();
        } else {
            event.ignore();
        }
    }

    void drop(QDropEvent &event)
    {
        // The drag source's data lives only as long as the drop: keep what the handler reads.
        auto kept = std::make_shared<QMimeData>();
        kept->setUrls(event.mimeData()->urls());
        takeAsCopy(event);
        QTimer::singleShot(0, this, [handler = handler_, kept] { handler(*kept); });
    }

    std::function<void(const QMimeData &)> handler_;
};

} // namespace

void onDrop(QAbstractItemView *box, std::function<void(const QMimeData &)> handler)
{
    box->setAcceptDrops(true);
    box->viewport()->setAcceptDrops(true);
    box->viewport()->installEventFilter(new DropFilter(box, std::move(handler)));
}

QStringList droppedFiles(const QMimeData &data)
{
    QStringList files;
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile())
            files.append(QDir::toNativeSeparators(url.toLocalFile()));
    }
    return files;
}

} // namespace widgets
