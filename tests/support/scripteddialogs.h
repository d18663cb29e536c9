#pragma once

#include "os/dialogs.h"

#include <QList>
#include <QStringList>

#include <functional>

// Message and input boxes answered by script. Every box shown is recorded in order; a question
// with no answer left is answered Cancel, an input box with no answer left gets the empty text.
// whileShown runs while a box would stand on the screen, with its text.
class ScriptedDialogs final : public os::Dialogs
{
public:
    void inform(const QString &text) override;
    bool confirm(const QString &text) override;
    bool askYesNo(const QString &text) override; // answered from confirmations, as confirm is
    QString ask(const QString &prompt) override;
    void notify(const QString &text) override;

    QStringList shown;
    QStringList notices; // the messages that do not wait, apart from the boxes
    QList<bool> confirmations;
    QStringList answers;
    std::function<void(const QString &)> whileShown;

private:
    void show(const QString &text);
};
