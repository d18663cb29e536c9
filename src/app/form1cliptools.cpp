// The main window's clipboard tools: prefixes, quote marks and text-file intake.

#include "app/form1.h"

#include "app/form2.h"
#include "cliptools/prefix.h"
#include "cliptools/quotemark.h"
#include "cliptools/textfileintake.h"
#include "os/topmostpause.h"

#include <QLineEdit>

void Form1::Command10_Click() { cliptools::putPrefix(Text5, u"http://"); }
void Form1::Command18_Click() { cliptools::putPrefix(Text6, u"Re:"); }
void Form1::Command24_Click() { cliptools::putPrefix(Text2, u"mailto:"); }

void Form1::Command19_Click() { cliptools::changeQuoteMark(services_, dataFolder_); }
void Form1::Command20_Click()
{
    Form2 &scratch = form2();
    cliptools::quoteClipboardText(services_, dataFolder_,
                                  {scratch.Text2, scratch.Text3, scratch.Text1});
}

void Form1::Command34_Click()
{
    // Out of the always-on-top layer, so that the Open dialog can stand in front.
    const os::TopmostPause pause(*this);
    cliptools::takeInChosenFile(services_, form2().Text1, lastTextFile_);
}

void Form1::lstFileName_OLEDragDrop(const QMimeData &Data)
{
    cliptools::takeInDroppedFiles(services_, form2().Text1, *lstFileName, Data);
}
