// The load of a snapshot slot from any file: seven fields, the first six single lines, and a
// slot saved from them loads as the same seven fields.
#include "fuzzinput.h"

#include "store/slotfile.h"
#include "text/textcodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr qsizetype fieldCount = 7;
    const QString text = text::decodeText(QByteArrayView(data, qsizetype(size)));
    const QStringList fields = store::fieldsFromSlotFileText(text, fieldCount);
    FUZZ_EXPECT(fields.size() == fieldCount);
    for (qsizetype i = 0; i < fieldCount - 1; ++i)
        FUZZ_EXPECT(!fields[i].contains(u'\r'));

    const QByteArray saved = text::encodeText(store::slotFileText(fields));
    FUZZ_EXPECT(store::fieldsFromSlotFileText(text::decodeText(saved), fieldCount) == fields);
    return 0;
}
