// The decoders of the program's own files and of files from elsewhere, on any bytes at all.
#include "fuzzinput.h"

#include "text/textcodec.h"
#include "text/windows31j.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));

    // A file of the program, whatever it holds, reads as valid text no longer than its bytes,
    // and saving that text and reading it again gives the same text.
    const QString own = text::decodeText(bytes);
    FUZZ_EXPECT(own.isValidUtf16());
    FUZZ_EXPECT(own.size() <= bytes.size());
    FUZZ_EXPECT(text::decodeText(text::encodeText(own)) == own);

    // A file from elsewhere too; one that is valid UTF-8 without a byte-order mark is read as
    // UTF-8, unless its NUL bytes make it UTF-16 without a mark or it is valid Windows-31J as well,
    // when it is read as one of the two.
    const QString foreign = text::decodeForeignText(bytes);
    FUZZ_EXPECT(foreign.isValidUtf16());
    FUZZ_EXPECT(foreign.size() <= bytes.size());
    if (!bytes.startsWith("\xEF\xBB\xBF") && !bytes.startsWith("\xFF\xFE")
        && !bytes.startsWith("\xFE\xFF") && !bytes.contains('\0')) {
        const QString utf8 = QString::fromUtf8(bytes);
        if (utf8.toUtf8() == bytes)
            FUZZ_EXPECT(foreign == utf8
                        || (text::isWindows31j(bytes) && foreign == text::decodeWindows31j(bytes)));
    }
    return 0;
}
