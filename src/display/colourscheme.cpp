#include "display/colourscheme.h"

#include <QWidget>

namespace display {

void applyScheme(const QList<QWidget *> &boxes, const ColourScheme &scheme)
{
    for (QWidget *box : boxes) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, scheme.background);
        palette.setColor(QPalette::Text, scheme.text);
        box->setPalette(palette);
    }
}

QColor backgroundOf(const QWidget *box) { return box->palette().color(QPalette::Base); }

QColor textColourOf(const QWidget *box) { return box->palette().color(QPalette::Text); }

std::optional<ColourScheme> schemeToCopy(const QWidget *nameBox, const QWidget *commentBox)
{
    const auto same = [](const QColor &a, const QColor &b) { return a.rgb() == b.rgb(); };
    std::optional<ColourScheme> scheme;
    if (same(backgroundOf(nameBox), whiteOnBlack.background))
        scheme = whiteOnBlack;
    const QColor commentText = textColourOf(commentBox);
    for (const ColourScheme &light : {lightCyanOnBlack, lightYellowOnBlack}) {
        if (same(commentText, light.text))
            scheme = light;
    }
    return scheme;
}

} // namespace display
