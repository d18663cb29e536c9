#include "store/fieldfile.h"

#include "platform/linereader.h"

namespace store {

QString fieldFileText(FieldKind kind, const QString &fieldText)
{
    return kind == FieldKind::SingleLine ? fieldText + platform::crLf : fieldText;
}

QString fieldFromFileText(FieldKind kind, const QString &fileText)
{
    switch (kind) {
    case FieldKind::SingleLine:
        return platform::joinLines(fileText, {});
    case FieldKind::JoinedLines:
        return platform::joinLines(fileText, platform::crLf);
    case FieldKind::WholeText:
        break;
    }
    return fileText;
}

} // namespace store
