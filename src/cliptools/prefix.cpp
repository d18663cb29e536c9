#include "cliptools/prefix.h"

#include "widgets/textbox.h"

namespace cliptools {

void putPrefix(QWidget *box, QStringView prefix)
{
    const QString text = widgets::boxText(box);
    if (!text.startsWith(prefix))
        widgets::setBoxText(box, prefix.toString() + text);
}

} // namespace cliptools
