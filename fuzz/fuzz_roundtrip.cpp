// The encoder and the decoder of the program's files: every text that can be typed or pasted is
// written and read back exactly, character for character.
#include "fuzzinput.h"

#include "text/textcodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = utf16Text(data, size);
    const QByteArray bytes = text::encodeText(text);
    // A lone surrogate is no character: nothing can keep it, but it must not break the file.
    if (!text.isValidUtf16()) {
        FUZZ_EXPECT(text::decodeText(bytes).isValidUtf16());
        return 0;
    }
    FUZZ_EXPECT(text::decodeText(bytes) == text);
    // Windows-31J whenever that code page holds the text: only then is there no byte-order mark.
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        FUZZ_EXPECT(bytes.size() <= 2 * text.size());
    return 0;
}
