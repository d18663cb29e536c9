#pragma once

#include <QString>

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace widgets {

// The program's text boxes. They never cut or change what they are given: a single-line box has
// no length limit and keeps any character, a lone LF included; a multi-line box does not wrap
// and hands its text out with CR LF between the lines. Every box drags its selection out and
// takes dropped text; Tab leaves a multi-line box too, and Ctrl+Tab types a tab into it.
QLineEdit *makeSingleLineBox(QWidget *parent);
QPlainTextEdit *makeMultiLineBox(QWidget *parent);

QString boxText(const QWidget *box);
// The same in two steps: the first, quick, takes the text as the box keeps it and must run on
// the user-interface thread; the second, over the whole text, may run on any thread.
QString rawBoxText(const QWidget *box);
QString boxTextFromRaw(QString raw, bool multiLineBox);
bool isMultiLineBox(const QWidget *box);
void setBoxText(QWidget *box, const QString &text);
void selectWholeText(QWidget *box);

// Runs the handler when the box is double-clicked, in place of the box's own word selection.
void onDoubleClick(QWidget *box, std::function<void()> handler);

} // namespace widgets
