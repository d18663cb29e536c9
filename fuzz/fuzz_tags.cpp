// The tag builders on any typed text: "Link", "Image", "mail" and the font tag.
#include "fuzzinput.h"

#include "html/fonttag.h"
#include "html/tagbuilder.h"

#include <QColor>

namespace {

void checkTag(const html::TagRecipe &recipe, const QString &address, const QString &siteName)
{
    const QString tag = html::tagFor(recipe, address, siteName);
    const QString target =
        address.startsWith(recipe.scheme) ? address : recipe.scheme.toString() + address;
    const QString head = recipe.opener.toString() + u'"' + target + QStringLiteral("\">");
    FUZZ_EXPECT(tag.startsWith(head));
    FUZZ_EXPECT(tag.endsWith(recipe.closer));
    FUZZ_EXPECT(tag.size() >= head.size() + recipe.closer.size());
    const QStringView content =
        QStringView(tag).sliced(head.size(), tag.size() - head.size() - recipe.closer.size());
    switch (recipe.content) {
    case html::TagContent::Nothing:
        FUZZ_EXPECT(content.isEmpty());
        break;
    case html::TagContent::SiteName:
        FUZZ_EXPECT(content == siteName);
        break;
    case html::TagContent::BareAddress:
        FUZZ_EXPECT(recipe.scheme.toString() + content.toString() == target);
        break;
    }
}

void checkFontTag(const QString &size, const QColor &colour, const QString &text)
{
    const QString tag = html::fontTag(size, colour, text);
    const QString sizePart = size.isEmpty() ? QString() : QStringLiteral("Size=") + size;
    const QString hex = QStringLiteral("%1%2%3")
                            .arg(colour.red(), 2, 16, QChar(u'0'))
                            .arg(colour.green(), 2, 16, QChar(u'0'))
                            .arg(colour.blue(), 2, 16, QChar(u'0'))
                            .toUpper();
    const QString colourPart = QStringLiteral(" color=\"#") + hex + QStringLiteral("\">");
    FUZZ_EXPECT(
        tag == QStringLiteral("<Font ") + sizePart + colourPart + text + QStringLiteral("</font>"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString first = utf16Text(input, 64);
    const QString second = utf16Text(input, 64);
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        checkTag(html::linkTag, first, second);
        break;
    case 1:
        checkTag(html::imageTag, first, second);
        break;
    case 2:
        checkTag(html::mailTag, first, second);
        break;
    default: {
        const QColor colour(input.ConsumeIntegral<std::uint8_t>(),
                            input.ConsumeIntegral<std::uint8_t>(),
                            input.ConsumeIntegral<std::uint8_t>());
        checkFontTag(first, colour, second);
    }
    }
    return 0;
}
