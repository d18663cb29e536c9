#include "support/fieldprobe.h"

#include "widgets/textbox.h"

#include <QTest>
#include <QWidget>

void fillFields(const QList<QWidget *> &fields, const QStringList &texts)
{
    for (qsizetype i = 0; i < fields.size(); ++i)
        widgets::setBoxText(fields[i], texts.value(i));
}

QStringList fieldTexts(const QList<QWidget *> &fields)
{
    QStringList texts;
    for (const QWidget *field : fields)
        texts.append(widgets::boxText(field));
    return texts;
}

bool staysOnTop(const QWidget &window)
{
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

QWidget *nextTabStop(QWidget *widget)
{
    do
        widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus));
    return widget;
}

void pressKey(QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(window.focusWidget(), key, modifiers);
}

void typeText(QWidget &window, const QString &text)
{
    QTest::keyClicks(window.focusWidget(), text);
}
