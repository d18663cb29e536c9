#include "support/scripteddialogs.h"

void ScriptedDialogs::inform(const QString &text) { show(text); }

bool ScriptedDialogs::confirm(const QString &text)
{
    show(text);
    return !confirmations.isEmpty() && confirmations.takeFirst();
}

bool ScriptedDialogs::askYesNo(const QString &text) { return confirm(text); }

QString ScriptedDialogs::ask(const QString &prompt)
{
    show(prompt);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

void ScriptedDialogs::notify(const QString &text) { notices.append(text); }

void ScriptedDialogs::show(const QString &text)
{
    shown.append(text);
    if (whileShown)
        whileShown(text);
}
