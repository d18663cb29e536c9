#pragma once

#include "os/printer.h"

#include <QTemporaryDir>

// A printer that prints into a PDF file, laid out as the real one lays out its pages, and reads
// the text back with pdftotext. With present false there is no printer at all.
class PdfPrinter final : public os::Printer
{
public:
    bool hasPrinter() const override { return present; }

    QString pdfPath() const;
    // The printed text as pdftotext finds it, pages ended by form feeds; empty when nothing was
    // printed.
    QString printedText() const;
    int pageCount() const;
    // How far below the top of its page the first word that reads so is printed, in points;
    // -1 when it is not printed.
    double topOf(const QString &word) const;

    bool present = true;
    QString outputFile; // where the PDF goes; empty: in a temporary folder of its own
    QString refusal;    // when set, the print server refuses the job with this reason

protected:
    void setUp(QPrinter &printer) override;
    bool deliver(const QPrinter &printer, QString *reason) override;

private:
    QTemporaryDir folder_;
};
