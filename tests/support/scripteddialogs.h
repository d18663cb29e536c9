#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QStringList>

// Message and input boxes answered by script. Every box shown is recorded in order; a question
// with no answer left is answered Cancel, an input box with no answer left gets the empty text.
class ScriptedDialogs final : public platform::Dialogs
{
public:
    void inform(const QString &text) override;
    bool confirm(const QString &text) override;
    QString ask(const QString &prompt) override;

    QStringList shown;
    QList<bool> confirmations;
    QStringList answers;
};
