#include "cliptools/prefix.h"

#include "platform/textbox.h"

namespace cliptools {

void putPrefix(QWidget *box, QStringView prefix)
{
    const QString text = platform::boxText(box);
    if (!text.startsWith(prefix))
        platform::setBoxText(box, prefix.toString() + text);
}

} // namespace cliptools
