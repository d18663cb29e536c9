#pragma once

#include <QString>

class QPrinter;

namespace platform {

// The system's default printer, used with its own settings and without a print dialog. The way
// a document is laid out on the pages is fixed; which printer receives it is a virtual step, so
// that tests can print into a PDF file instead.
class Printer
{
public:
    virtual ~Printer() = default;

    virtual bool hasPrinter() const;

    // Prints the text as one document and ends it, which hands the job to the printing system.
    // Every line break (CR LF, CR or LF) starts a new line; a line too long for the page goes on
    // in the next line, and a full page goes on on the next page. The face is the program's
    // Japanese one, so Japanese text prints as it shows.
    bool print(const QString &text, QString *reason);

protected:
    // Points the printer at the default printer.
    virtual void setUp(QPrinter &printer);
};

} // namespace platform
