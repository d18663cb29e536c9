#include "cliptools/fieldtransfer.h"

#include "os/clipboard.h"
#include "widgets/textbox.h"

namespace cliptools {

void clipField(os::Clipboard &clipboard, const QWidget *box, Sensitivity sensitivity)
{
    const QString text = widgets::boxText(box);
    if (sensitivity == Sensitivity::Secret)
        clipboard.putSecretText(text);
    else
        clipboard.putText(text);
}

} // namespace cliptools
