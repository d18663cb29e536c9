#include "cliptools/fieldtransfer.h"

#include "platform/clipboard.h"
#include "platform/textbox.h"

namespace cliptools {

void clipField(platform::Clipboard &clipboard, const QWidget *box, Sensitivity sensitivity)
{
    const QString text = platform::boxText(box);
    if (sensitivity == Sensitivity::Secret)
        clipboard.putSecretText(text);
    else
        clipboard.putText(text);
}

} // namespace cliptools
