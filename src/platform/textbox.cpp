#include "platform/textbox.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <limits>

namespace platform {

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
        text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
        text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
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

} // namespace platform
