#include "store/fieldfile.h"

#include "text/linereader.h"

namespace store {

QString fieldFileText(FieldKind kind, const QString &fieldText)
{
    return kind == FieldKind::SingleLine ? fieldText + text::crLf : fieldText;
}

QString fieldFromFileText(FieldKind kind, const QString &fileText)
{
    switch (kind) {
    case FieldKind::SingleLine:
        return text::joinLines(fileText, {});
    case FieldKind::JoinedLines:
        return text::joinLines(fileText, text::crLf);
    case FieldKind::WholeText:
        break;
    }
    return fileText;
}

} // namespace store
