#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace store {

// A field whose box holds other text than its file, named by that file.
struct UnsavedField
{
    QString fileName;
    QString text;

    bool operator==(const UnsavedField &) const = default;
};

// The recovery file's text: a first line that names it, then each field as a line with its file
// name and the length of its text, the text itself and a line break, and a last line "end". The
// lengths make any text safe to keep, line breaks and all; the last line tells a whole file from
// one cut off.
QString unsavedFileText(const std::vector<UnsavedField> &fields);
// Nothing unless the text is a whole recovery file, every field of it.
std::optional<std::vector<UnsavedField>> parseUnsavedFileText(QStringView text);

} // namespace store
