// The one line reader: lines end at CR LF or a lone CR, a lone LF stays inside its line, a single
// break at the end adds no line; and the lines joined with a lead and a separator.
#include "fuzzinput.h"

#include "text/linereader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString separator = utf16Text(input, 4);
    const QString lead = utf16Text(input, 4);
    const QString text = utf16Rest(input);

    const QStringList lines = text::splitLines(text);
    QString joinedByHand;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        FUZZ_EXPECT(!lines[i].contains(u'\r'));
        if (i > 0)
            joinedByHand += separator;
        joinedByHand += lead + lines[i];
    }

    // The text again, each break as one CR, the final break dropped.
    QString breaksAsCr = text;
    breaksAsCr.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    if (breaksAsCr.endsWith(u'\r'))
        breaksAsCr.chop(1);
    FUZZ_EXPECT(lines.join(u'\r') == breaksAsCr);

    FUZZ_EXPECT(text::joinLines(text, separator, lead) == joinedByHand);
    return 0;
}
