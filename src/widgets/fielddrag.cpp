#include "widgets/fielddrag.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>

namespace widgets {

namespace {

struct Range
{
    int from = 0;
    int to = 0;

    bool holds(int position) const { return from <= position && position <= to; }
};

// The editing a drag needs, for either kind of box. Positions count characters in a line edit
// and document positions in a multi-line box, where a line break counts as one.
class EditedText
{
public:
    explicit EditedText(QWidget *box)
        : line_(qobject_cast<QLineEdit *>(box))
        , multiLine_(qobject_cast<QPlainTextEdit *>(box))
    {}

    // Where the box's mouse and drop events arrive.
    QWidget *eventTarget() const { return multiLine_ ? multiLine_->viewport() : line_; }

    Range selection() const
    {
        if (multiLine_) {
            const QTextCursor cursor = multiLine_->textCursor();
            return {cursor.selectionStart(), cursor.selectionEnd()};
        }
        return {line_->selectionStart(), line_->selectionEnd()};
    }

    // The selected text with LF between its lines, as other programs take dropped text.
    QString selectedText() const
    {
        if (!multiLine_)
            return line_->selectedText();
        QString text = multiLine_->textCursor().selectedText();
        return text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    }

    int positionAt(QPoint point) const
    {
        return multiLine_ ? multiLine_->cursorForPosition(point).position()
                          : line_->cursorPositionAt(point);
    }

    void placeCursor(int position)
    {
        if (multiLine_) {
            QTextCursor cursor = multiLine_->textCursor();
            cursor.setPosition(position);
            multiLine_->setTextCursor(cursor);
        } else {
            line_->setCursorPosition(position);
        }
    }

    // Puts the text in place of the range, as one step that Undo takes back, and selects it.
    void replace(Range range, const QString &text)
    {
        if (multiLine_) {
            QTextCursor cursor = multiLine_->textCursor();
            cursor.setPosition(range.from);
            cursor.setPosition(range.to, QTextCursor::KeepAnchor);
            cursor.insertText(text);
            const int end = cursor.position();
            cursor.setPosition(range.from);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            multiLine_->setTextCursor(cursor);
        } else {
            line_->setSelection(range.from, range.to - range.from);
            line_->insert(text);
            line_->setSelection(range.from, int(text.size()));
        }
    }

private:
    QLineEdit *line_;
    QPlainTextEdit *multiLine_;
};

// The drag under way from one of the program's boxes, and the range it was dragged from: kept
// apart from the box because a line edit drops its selection while a drag passes over it.
struct DragFrom
{
    QPointer<QWidget> box;
    Range range;
};
DragFrom dragUnderWay;

class BoxDrag final : public QObject
{
public:
    explicit BoxDrag(QWidget *box)
        : QObject(box)
        , box_(box)
    {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            return press(*static_cast<QMouseEvent *>(event));
        case QEvent::MouseMove:
            return move(*static_cast<QMouseEvent *>(event));
        case QEvent::MouseButtonRelease:
            return release(*static_cast<QMouseEvent *>(event));
        case QEvent::Drop:
            return drop(watched, *static_cast<QDropEvent *>(event));
        default:
            return false;
        }
    }

private:
    // A press on the selection may begin a drag, so the box must not drop its selection yet;
    // with Shift held it extends the selection instead, and Ctrl may be held from the start.
    bool press(const QMouseEvent &event)
    {
        const EditedText text(box_);
        const Range selected = text.selection();
        pressedAt_ = event.position().toPoint();
        pressedOnSelection_ =
            event.button() == Qt::LeftButton && !event.modifiers().testFlag(Qt::ShiftModifier)
            && selected.from < selected.to && selected.holds(text.positionAt(pressedAt_));
        return pressedOnSelection_;
    }

    bool move(const QMouseEvent &event)
    {
        if (!pressedOnSelection_)
            return false;
        const QPoint moved = event.position().toPoint() - pressedAt_;
        if (moved.manhattanLength() >= QApplication::startDragDistance()) {
            pressedOnSelection_ = false;
            dragSelection();
        }
        return true;
    }

    // Pressed and let go on the selection without dragging: an ordinary click, which puts the
    // cursor there.
    bool release(const QMouseEvent &event)
    {
        if (!pressedOnSelection_)
            return false;
        pressedOnSelection_ = false;
        EditedText text(box_);
        text.placeCursor(text.positionAt(event.position().toPoint()));
        return true;
    }

    void dragSelection()
    {
        const EditedText text(box_);
        auto *data = new QMimeData;
        data->setText(text.selectedText());
        auto *drag = new QDrag(box_);
        drag->setMimeData(data);
        dragUnderWay = {box_, text.selection()};
        // The answer is not used: under X11 a drop that nothing took can still come back as a
        // move. The text leaves this box only when one of the program's boxes takes it in drop().
        drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
        dragUnderWay = {};
    }

    bool drop(QObject *watched, QDropEvent &event)
    {
        // Text from another program: the box's own handling puts it in.
        if (!dragUnderWay.box || event.source() != dragUnderWay.box)
            return false;
        EditedText target(box_);
        const int at = target.positionAt(event.position().toPoint());
        const QString text = event.mimeData()->text();
        const Range dragged = dragUnderWay.range;
        const bool moving = event.dropAction() == Qt::MoveAction;
        if (!moving) {
            target.replace({at, at}, text);
        } else if (dragUnderWay.box != box_) {
            target.replace({at, at}, text);
            EditedText(dragUnderWay.box).replace(dragged, QString());
        } else if (!dragged.holds(at)) {
            const int shifted = at > dragged.to ? at - (dragged.to - dragged.from) : at;
            target.replace(dragged, QString());
            target.replace({shifted, shifted}, text);
        }
        event.setDropAction(moving ? Qt::MoveAction : Qt::CopyAction);
        event.accept();
        // Lets the box hide the drop cursor it showed while the drag passed over it, as its own
        // drop handling would have done.
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(watched, &leave);
        return true;
    }

    QWidget *box_;
    QPoint pressedAt_;
    bool pressedOnSelection_ = false;
};

} // namespace

void dragTextBetweenBoxes(QWidget *box)
{
    EditedText(box).eventTarget()->installEventFilter(new BoxDrag(box));
}

} // namespace widgets
