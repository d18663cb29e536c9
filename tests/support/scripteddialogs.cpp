#include "support/scripteddialogs.h"

void ScriptedDialogs::inform(const QString &text) { shown.append(text); }

bool ScriptedDialogs::confirm(const QString &text)
{
    shown.append(text);
    return !confirmations.isEmpty() && confirmations.takeFirst();
}

QString ScriptedDialogs::ask(const QString &prompt)
{
    shown.append(prompt);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}
