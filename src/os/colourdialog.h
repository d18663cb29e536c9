#pragma once

#include <QColor>

#include <optional>

namespace os {

// The platform's colour dialog.
class ColourDialog
{
public:
    virtual ~ColourDialog() = default;

    // Shows the dialog modally, opening on the colour chosen last (black the first time). The
    // chosen colour, or nothing when the user cancels.
    virtual std::optional<QColor> chooseColour() = 0;
};

// Qt's colour dialog, in front of the active window of the program.
class QtColourDialog final : public ColourDialog
{
public:
    std::optional<QColor> chooseColour() override;

private:
    QColor chosen_ = Qt::black;
};

} // namespace os
