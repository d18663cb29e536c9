// The main window's output, screen-font and label commands, and the way to the about box.

#include "about/frmabout.h"
#include "app/form1.h"
#include "app/module1.h"
#include "display/colourscheme.h"
#include "display/screenfont.h"
#include "os/dialogs.h"
#include "os/services.h"
#include "output/commentprint.h"
#include "output/desktopexport.h"
#include "widgets/textbox.h"

#include <QLineEdit>
#include <QPlainTextEdit>

void Form1::Command32_Click() { output::exportToDesktop(services_, widgets::boxText(Text7)); }

void Form1::Command33_Click()
{
    output::printComment(services_, widgets::boxText(Text6), widgets::boxText(Text7));
}

void Form1::Option1_Click() { display::changeScreenFont(Text7, display::size8); }
void Form1::Option2_Click() { display::changeScreenFont(Text7, display::size9); }
void Form1::Option3_Click() { display::changeScreenFont(Text7, display::size10); }
void Form1::Option4_Click() { display::changeScreenFont(Text7, display::size11); }
void Form1::Option5_Click() { display::changeScreenFont(Text7, display::size12); }
void Form1::Option6_Click() { display::changeScreenFont(Text7, display::size16); }
void Form1::Option7_Click() { display::changeScreenFont(Text7, display::gothicFace); }
void Form1::Option8_Click() { display::changeScreenFont(Text7, display::minchoFace); }
void Form1::Option9_Click() { display::changeScreenFont(Text7, display::fixedSysFace); }
void Form1::Option10_Click() { display::changeScreenFont(Text7, display::defaultFont); }

void Form1::Label1_Click() { display::applyScheme(fieldBoxes(), display::blackOnWhite); }
void Form1::Label2_Click() { display::applyScheme(fieldBoxes(), display::whiteOnBlack); }
void Form1::Label3_Click() { display::applyScheme(fieldBoxes(), display::lightYellowOnBlack); }
void Form1::Label5_Click() { display::applyScheme(fieldBoxes(), display::lightCyanOnBlack); }

void Form1::Label4_Click()
{
    Module1::SetTopmost(*this, 0);
    widgets::SecondaryWindow::open(about_, *this, services_);
}

// Only the screen: the field files keep what was saved, and Re Load brings it back.
void Form1::Label6_Click()
{
    widgets::setBoxText(Text6, QString());
    widgets::setBoxText(Text7, QString());
}

void Form1::Label7_Click() { services_.dialogs.inform(QStringLiteral("追加機能検討中(^^;")); }
