// The main window's HTML commands: the tag builders and the browser preview.

#include "app/form1.h"

#include "app/form2.h"
#include "html/fonttag.h"
#include "html/preview.h"
#include "html/tagbuilder.h"
#include "os/topmostpause.h"
#include "widgets/textbox.h"

#include <QPlainTextEdit>

void Form1::Command28_Click() { html::writeTag(services_, html::linkTag); }
void Form1::Command29_Click() { html::writeTag(services_, html::imageTag); }
void Form1::Command31_Click() { html::writeTag(services_, html::mailTag); }

void Form1::Command30_Click()
{
    // Out of the always-on-top layer, so that the colour dialog can stand in front.
    const os::TopmostPause pause(*this);
    html::writeFontTag(services_, form2().Text2);
}

void Form1::Command27_Click()
{
    html::showPreview(services_, dataFolder_, widgets::boxText(Text7), form2().Text1);
}
