#include "platform/textbox.h"

#include "platform/linereader.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <limits>

namespace platform {

namespace {

class DoubleClickFilter final : public QObject
{
public:
    DoubleClickFilter(QObject *parent, std::function<void()> handler)
        : QObject(parent)
        , handler_(std::move(handler))
    {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonDblClick)
            return false;
        handler_();
        return true;
    }

private:
    std::function<void()> handler_;
};

} // namespace

QLineEdit *makeSingleLineBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QPlainTextEdit *makeMultiLineBox(QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

QString boxText(const QWidget *box)
{
    if (const auto *multiLine = qobject_cast<const QPlainTextEdit *>(box)) {
        // The raw text keeps no-break spaces, which toPlainText() would turn into blanks.
        QString text = multiLine->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, crLf);
        text.replace(QChar::LineSeparator, crLf);
        return text;
    }
    return qobject_cast<const QLineEdit *>(box)->text();
}

void setBoxText(QWidget *box, const QString &text)
{
    if (auto *multiLine = qobject_cast<QPlainTextEdit *>(box))
        multiLine->setPlainText(text);
    else
        qobject_cast<QLineEdit *>(box)->setText(text);
}

void selectWholeText(QWidget *box)
{
    if (auto *multiLine = qobject_cast<QPlainTextEdit *>(box))
        multiLine->selectAll();
    else
        qobject_cast<QLineEdit *>(box)->selectAll();
}

void onDoubleClick(QWidget *box, std::function<void()> handler)
{
    // A multi-line box receives its mouse events through its viewport.
    auto *multiLine = qobject_cast<QPlainTextEdit *>(box);
    QWidget *target = multiLine ? multiLine->viewport() : box;
    target->installEventFilter(new DoubleClickFilter(box, std::move(handler)));
}

} // namespace platform
