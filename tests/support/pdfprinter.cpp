#include "support/pdfprinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QString PdfPrinter::pdfPath() const
{
    return outputFile.isEmpty() ? QDir(folder_.path()).filePath(QStringLiteral("printout.pdf"))
                                : outputFile;
}

QString PdfPrinter::printedText() const
{
    if (!QFileInfo::exists(pdfPath()))
        return QString();
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-enc"), QStringLiteral("UTF-8"), QStringLiteral("-layout"),
                pdfPath(), QStringLiteral("-")});
}

int PdfPrinter::pageCount() const
{
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(run(QStringLiteral("pdfinfo"), {pdfPath()}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

double PdfPrinter::topOf(const QString &word) const
{
    static const QRegularExpression words(
        QStringLiteral("<word xMin=\"[\\d.]+\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    const QString boxes =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath(), QStringLiteral("-")});
    for (const QRegularExpressionMatch &match : words.globalMatch(boxes)) {
        if (match.captured(2) == word)
            return match.captured(1).toDouble();
    }
    return -1;
}

void PdfPrinter::setUp(QPrinter &printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath());
}

bool PdfPrinter::deliver(const QPrinter &, QString *reason)
{
    *reason = refusal;
    return refusal.isEmpty();
}
