// ">" on any clipboard text with any quote-mark file: the text comes back from the working file
// as it went in, and every line of it (a lone LF ends one too) comes out after the mark.
#include "fuzzinput.h"

#include "cliptools/quotemark.h"
#include "text/linereader.h"
#include "text/textcodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string markFile = input.ConsumeRandomLengthString(16);
    const QString clipboard = utf16Rest(input);

    const QString working = text::decodeText(text::encodeText(clipboard));
    if (clipboard.isValidUtf16())
        FUZZ_EXPECT(working == clipboard);
    const QString mark = cliptools::quoteMarkFrom(
        text::decodeText(QByteArrayView(markFile.data(), qsizetype(markFile.size()))));
    FUZZ_EXPECT(!mark.contains(u'\r'));

    const QString quoted = cliptools::quotedLines(working, mark);
    const QStringList lines = text::splitLines(working, text::LineRule::Clipboard);
    // Without a mark, a last empty line leaves nothing behind to read back.
    if (mark.isEmpty())
        return 0;
    const QStringList quotedLines = text::splitLines(quoted);
    FUZZ_EXPECT(quotedLines.size() == lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        FUZZ_EXPECT(quotedLines[i] == mark + lines[i]);
    return 0;
}
