#include "store/fieldfile.h"

#include "platform/linereader.h"

namespace store {

namespace {

QString joinLines(const QString &text, QStringView separator)
{
    QString joined;
    joined.reserve(text.size());
    bool first = true;
    platform::forEachLine(text, [&](QStringView line) {
        if (!first)
            joined += separator;
        joined += line;
        first = false;
    });
    return joined;
}

} // namespace

QString fieldFileText(FieldKind kind, const QString &fieldText)
{
    return kind == FieldKind::SingleLine ? fieldText + QLatin1String("\r\n") : fieldText;
}

QString fieldFromFileText(FieldKind kind, const QString &fileText)
{
    switch (kind) {
    case FieldKind::SingleLine:
        return joinLines(fileText, {});
    case FieldKind::JoinedLines:
        return joinLines(fileText, u"\r\n");
    case FieldKind::WholeText:
        break;
    }
    return fileText;
}

} // namespace store
