#include "os/printer.h"

#include "os/dialogs.h"
#include "os/japaneselook.h"
#include "text/linereader.h"

#include "os/printjob.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QTextLayout>
#include <QTextOption>

namespace os {

namespace {

constexpr double printPoints = 10;

QFont printFont()
{
    // The program's Japanese face (mapped to a Japanese font where Windows' own is missing).
    QFont font(QString::fromUtf8(gothicFace));
    font.setPointSizeF(printPoints);
    return font;
}

// Breaks one line of the text into rows that fit the page width: between words, and inside a
// word wider than the page (a long address), so that no character runs off the paper.
void layOut(QTextLayout &layout, qreal width)
{
    QTextOption breaking;
    breaking.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(breaking);
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(width);
        row.setPosition(QPointF(0, y));
        y += row.height();
    }
    layout.endLayout();
}

} // namespace

Printer::Printer() = default;
Printer::~Printer() = default;

bool Printer::hasPrinter() const { return !QPrinterInfo::defaultPrinter().isNull(); }

void Printer::setUp(QPrinter &printer)
{
    printer.setPrinterName(QPrinterInfo::defaultPrinterName());
    if (!printJobsGoThroughSpool())
        return;
    // A name without ".pdf": the printer stays the default printer, with its paper and margins.
    spool_ = std::make_unique<QTemporaryFile>();
    if (spool_->open())
        printer.setOutputFileName(spool_->fileName());
}

bool Printer::deliver(const QPrinter &printer, QString *reason)
{
    if (!spool_)
        return true;
    const std::unique_ptr<QTemporaryFile> spool = std::move(spool_);
    return submitPrintJob(printer.printerName(), spool->fileName(), printer.docName(), reason);
}

bool Printer::print(const QString &text, QString *reason)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(applicationTitle);
    setUp(printer);
    // The spool file is no place of the user's: a refusal names the printer.
    const QString target = spool_ || printer.outputFileName().isEmpty() ? printer.printerName()
                                                                        : printer.outputFileName();
    *reason = QStringLiteral("「%1」が印刷を受け付けませんでした。").arg(target);

    const QString refused = *reason;

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFont font = printFont();
    qreal y = 0; // where the next row goes on the current page
    for (QString line : text::splitLines(text)) {
        // A lone LF, which the line reader keeps inside a line, still starts a new row on paper.
        line.replace(u'\n', QChar::LineSeparator);
        QTextLayout layout(line, font, &printer);
        layOut(layout, page.width());
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine row = layout.lineAt(i);
            if (y > 0 && y + row.height() > page.height()) {
                if (!printer.newPage())
                    return false;
                y = 0;
            }
            row.draw(&painter, QPointF(0, y - row.y()));
            y += row.height();
        }
    }
    if (!painter.end())
        return false;
    if (deliver(printer, reason))
        return true;
    *reason = refused + u'\n' + *reason;
    return false;
}

} // namespace os
