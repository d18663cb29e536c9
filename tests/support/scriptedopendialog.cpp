#include "support/scriptedopendialog.h"

std::optional<QString> ScriptedOpenDialog::chooseFile(const QString &offered,
                                                      const QString &pattern)
{
    this->offered.append(offered);
    patterns.append(pattern);
    if (whileShown)
        whileShown();
    return answers.isEmpty() ? std::nullopt : answers.takeFirst();
}
