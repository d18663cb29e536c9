#pragma once

#include <QColor>
#include <QList>

#include <optional>

class QWidget;

namespace display {

// The text and background colour of a window's field text boxes. It lives only in the boxes:
// nothing of it is stored, and every start shows the system's own colours.
struct ColourScheme
{
    QColor background;
    QColor text;
};

// The schemes behind the field labels "Name", "Mail", "ID" and "Home".
inline const ColourScheme blackOnWhite{QColor(255, 255, 255), QColor(0, 0, 0)};
inline const ColourScheme whiteOnBlack{QColor(0, 0, 0), QColor(255, 255, 255)};
inline const ColourScheme lightYellowOnBlack{QColor(0, 0, 0), QColor(255, 255, 128)};
inline const ColourScheme lightCyanOnBlack{QColor(0, 0, 0), QColor(128, 255, 255)};

void applyScheme(const QList<QWidget *> &boxes, const ColourScheme &scheme);
QColor backgroundOf(const QWidget *box);
QColor textColourOf(const QWidget *box);

// The main window's scheme as an aux memo window takes it over, read from the main window's Name
// and Comment boxes, if it is one the aux windows know: white on black when the Name has a black
// background, otherwise light cyan or light yellow on black after the Comment's text colour.
// None for the system's colours or black on white.
std::optional<ColourScheme> schemeToCopy(const QWidget *nameBox, const QWidget *commentBox);

} // namespace display
