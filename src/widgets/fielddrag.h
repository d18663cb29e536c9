#pragma once

class QWidget;

namespace widgets {

// Lets the user drag the selected text out of a text box (a line edit or a multi-line box) and
// drop it into another. Dropped on one of the program's own boxes, or elsewhere in the same box,
// the text moves, or is copied when Ctrl is held. Dropped on another program it is only ever
// copied, and dropped anywhere that does not take it nothing changes: the box loses its text
// only when one of the program's boxes has taken it in.
void dragTextBetweenBoxes(QWidget *box);

} // namespace widgets
