// A small window titled "drag source" that files or text can be dragged from, as from a file
// manager or a browser: a press of the mouse in it starts the drag. Arguments: the files to drag,
// or --text=TEXT. xdotool cannot drag a file on its own; with this window it moves the mouse,
// and the window system's own drag and drop protocol carries the data to the program under test.

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

class DragSource final : public QWidget
{
public:
    explicit DragSource(QStringList dragged)
        : dragged_(std::move(dragged))
    {
        setWindowTitle(QStringLiteral("drag source"));
        resize(100, 100);
        move(0, 0);
    }

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        auto *data = new QMimeData;
        QList<QUrl> files;
        for (const QString &argument : dragged_) {
            if (argument.startsWith(QStringLiteral("--text=")))
                data->setText(argument.sliced(7));
            else
                files.append(QUrl::fromLocalFile(argument));
        }
        if (!files.isEmpty())
            data->setUrls(files);
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
        // The drop target fetches the data after the drag has ended, so it must still be here.
        QTimer::singleShot(2'000, qApp, &QCoreApplication::quit);
    }

private:
    QStringList dragged_;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DragSource source(QApplication::arguments().mid(1));
    source.show();
    // A drag that never starts must not keep the test waiting.
    QTimer::singleShot(30'000, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
