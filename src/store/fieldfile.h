#pragma once

#include <QString>

namespace store {

// How one field is kept in a file of its own (no header, no quoting).
enum class FieldKind {
    // The text followed by CR LF; read back line by line, the lines run together.
    SingleLine,
    // The text exactly as it is, no break added; read back whole.
    WholeText,
    // The text exactly as it is, no break added; read back line by line, joined with CR LF, so
    // a break at the very end is dropped.
    JoinedLines,
};

QString fieldFileText(FieldKind kind, const QString &fieldText);
QString fieldFromFileText(FieldKind kind, const QString &fileText);

} // namespace store
