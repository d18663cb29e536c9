#pragma once

#include "os/opendialog.h"

#include <QList>
#include <QStringList>

#include <functional>

// The Open dialog answered by script: each showing takes the next answer (nothing: Cancel) and
// records the file it offered; whileShown runs while the dialog would stand on the screen.
class ScriptedOpenDialog final : public os::OpenDialog
{
public:
    std::optional<QString> chooseFile(const QString &offered, const QString &pattern) override;

    QList<std::optional<QString>> answers;
    QStringList offered;
    QStringList patterns;
    std::function<void()> whileShown;
};
