#include "os/colourdialog.h"

#include <QApplication>
#include <QColorDialog>

namespace os {

std::optional<QColor> QtColourDialog::chooseColour()
{
    const QColor colour = QColorDialog::getColor(chosen_, QApplication::activeWindow());
    if (!colour.isValid())
        return std::nullopt;
    chosen_ = colour;
    return colour;
}

} // namespace os
