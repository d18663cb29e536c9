#pragma once

#include "os/colourdialog.h"

#include <QList>

#include <functional>

// A colour dialog answered by script: each showing takes the next answer (a colour, or nothing for
// Cancel); with no answer left it is cancelled. whileShown runs while the dialog is up.
class ScriptedColourDialog final : public os::ColourDialog
{
public:
    std::optional<QColor> chooseColour() override
    {
        ++shows;
        if (whileShown)
            whileShown();
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    QList<std::optional<QColor>> answers;
    std::function<void()> whileShown;
    int shows = 0;
};
