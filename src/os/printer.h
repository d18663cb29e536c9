#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QTemporaryFile;

namespace os {

// The system's default printer, used with its own settings and without a print dialog. The way
// a document is laid out on the pages is fixed; where the pages go is a virtual step, so that
// tests can print into a PDF file instead.
class Printer
{
public:
    Printer();
    virtual ~Printer();

    virtual bool hasPrinter() const;

    // Prints the text as one document and ends it, which hands the job to the printing system.
    // Every line break (CR LF, CR or LF) starts a new line; a line too long for the page goes on
    // in the next line, and a full page goes on on the next page. The face is the program's
    // Japanese one, so Japanese text prints as it shows. False, with the reason, when the
    // printing system does not take the job.
    bool print(const QString &text, QString *reason);

protected:
    // Points the printer at the default printer.
    virtual void setUp(QPrinter &printer);
    // Hands the finished pages to the printing system.
    virtual bool deliver(const QPrinter &printer, QString *reason);

private:
    // Where the pages wait for the print server, which says whether it takes them; Qt's own
    // hand-over to CUPS drops a refused job without a word.
    std::unique_ptr<QTemporaryFile> spool_;
};

} // namespace os
