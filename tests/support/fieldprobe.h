#pragma once

#include "widgets/fieldboxes.h"

#include <QList>
#include <QStringList>
#include <Qt>

class QWidget;

// What a test reads and sets in the seven fields of a window (the main window or an aux memo
// window: both name them Text1 to Text7), and how it sees a window's state.

void fillFields(const QList<QWidget *> &fields, const QStringList &texts);
QStringList fieldTexts(const QList<QWidget *> &fields);

template <typename Window> QList<QWidget *> fieldsOf(Window &window)
{
    return widgets::fieldBoxesOf(window);
}

// Missing texts leave their fields empty.
template <typename Window> void fill(Window &window, const QStringList &texts)
{
    fillFields(fieldsOf(window), texts);
}

template <typename Window> QStringList textsOf(Window &window)
{
    return fieldTexts(fieldsOf(window));
}

bool staysOnTop(const QWidget &window);
QWidget *nextTabStop(QWidget *widget);

// A key pressed, or text typed, where the keyboard focus of the window is, as the keyboard does.
void pressKey(QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeText(QWidget &window, const QString &text);
