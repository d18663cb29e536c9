#include "widgets/textbox.h"

#include "widgets/fielddrag.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <limits>

namespace widgets {

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

// The document's paragraph and line separators as CR LF, in the raw text's own string: it grows
// in place where the allocator can, and every character moves once, from the end backwards.
// Neither a second string nor QString::replace, which would move the rest of a large text again
// for every thousand breaks.
QString withCrLfBreaks(QString text)
{
    const auto isBreak = [](QChar c) {
        return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
    };
    const qsizetype breaks = std::count_if(text.cbegin(), text.cend(), isBreak);
    if (breaks == 0)
        return text;
    qsizetype from = text.size();
    qsizetype to = from + breaks;
    text.resize(to);
    QChar *data = text.data();
    while (from > 0) {
        const QChar c = data[--from];
        if (isBreak(c)) {
            data[--to] = u'\n';
            data[--to] = u'\r';
        } else {
            data[--to] = c;
        }
    }
    return text;
}

// Tab and Shift+Tab move the focus out of a multi-line box as out of every other control, so
// Ctrl+Tab is the way to type a tab character into it; Qt on its own ignores Ctrl+Tab there.
class ControlTabTypesTab final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *box, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (key->key() != Qt::Key_Tab || key->modifiers() != Qt::ControlModifier)
            return false;
        static_cast<QPlainTextEdit *>(box)->insertPlainText(QStringLiteral("\t"));
        return true;
    }
};

} // namespace

QLineEdit *makeSingleLineBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    dragTextBetweenBoxes(box);
    return box;
}

QPlainTextEdit *makeMultiLineBox(QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    box->installEventFilter(new ControlTabTypesTab(box));
    dragTextBetweenBoxes(box);
    return box;
}

QString boxText(const QWidget *box) { return boxTextFromRaw(rawBoxText(box), isMultiLineBox(box)); }

bool isMultiLineBox(const QWidget *box) { return qobject_cast<const QPlainTextEdit *>(box); }

QString rawBoxText(const QWidget *box)
{
    // The raw text keeps no-break spaces, which toPlainText() would turn into blanks.
    if (const auto *multiLine = qobject_cast<const QPlainTextEdit *>(box))
        return multiLine->document()->toRawText();
    return qobject_cast<const QLineEdit *>(box)->text();
}

QString boxTextFromRaw(QString raw, bool multiLineBox)
{
    return multiLineBox ? withCrLfBreaks(std::move(raw)) : raw;
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

} // namespace widgets
