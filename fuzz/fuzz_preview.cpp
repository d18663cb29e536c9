// The preview page of any comment: the page frame around it, "<br>" at the end of every line but
// the last, and the page read back from its file as it was written.
#include "fuzzinput.h"

#include "html/preview.h"
#include "text/linereader.h"
#include "text/textcodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString comment = utf16Text(data, size);
    const QString source = html::previewSource(comment);
    const QString page = html::previewPage(source);

    FUZZ_EXPECT(page.startsWith(
        QStringLiteral("<html><head><meta charset=Shift_JIS><title>Quillo.html</title></head>")));
    FUZZ_EXPECT(page.endsWith(QStringLiteral("</body></html>")));
    const QStringList sourceLines = text::splitLines(source);
    const QStringList pageLines = text::splitLines(page);
    FUZZ_EXPECT(pageLines.size() == sourceLines.size());
    for (qsizetype i = 0; i < sourceLines.size(); ++i) {
        const QString end = i + 1 < sourceLines.size() ? QStringLiteral("<br>") : QString();
        FUZZ_EXPECT(pageLines[i] == sourceLines[i] + end);
    }
    if (page.isValidUtf16())
        FUZZ_EXPECT(text::decodeText(text::encodeText(page)) == page);
    return 0;
}
