#pragma once

#include <QString>

// The scratch window: three text boxes that hold intermediate text for the clipboard tools and
// the preview. It is never shown, so its boxes are plain strings rather than editor widgets.
struct Form2
{
    QString Text1; // multi-line
    QString Text2; // multi-line
    QString Text3; // single-line
};
