// Quoting a large clipboard text with ">" and taking in a large file with "FileIn": the time each
// takes and the memory it needs beyond what was held before. Each case runs in a child process
// of its own, so that one case's peak memory does not hide another's.

#include "app/form1.h"
#include "platform/textcodec.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype megabyte = 1024 * 1024;

// A resident-memory figure of /proc/self/status, in bytes: VmRSS now, VmHWM the peak.
qsizetype memoryFigure(const char *name)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(qstrlen(name) + 1).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}

// Starts a new peak from the memory held now.
void resetPeak()
{
    QFile clearRefs(u"/proc/self/clear_refs"_s);
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

// Lines as posters quote them: Japanese and ASCII, CR LF, now and then an empty line.
QString postText(qsizetype utf8Bytes)
{
    const QString line =
        u"これは引用される前の投稿の一行です。The quick brown fox 0123456789\r\n"_s;
    const qsizetype lineBytes = line.toUtf8().size();
    QString text;
    text.reserve(utf8Bytes / lineBytes * line.size() + line.size());
    for (qsizetype bytes = 0; bytes < utf8Bytes; bytes += lineBytes)
        text += (bytes / lineBytes) % 10 == 9 ? u"\r\n"_s : line;
    return text;
}

struct Measured
{
    double seconds;
    qsizetype textBytes; // what the command worked on, as UTF-16 in memory
    qsizetype extraPeak; // peak memory beyond what was held before the command
};

Measured measure(qsizetype textBytes, const std::function<void()> &command)
{
    const qsizetype before = memoryFigure("VmRSS:");
    resetPeak();
    QElapsedTimer timer;
    timer.start();
    command();
    const double seconds = timer.nsecsElapsed() / 1e9;
    return {seconds, textBytes, memoryFigure("VmHWM:") - before};
}

Measured quoteClipboard(qsizetype size)
{
    TestProgram program;
    Form1 &form = program.start();
    QGuiApplication::clipboard()->setText(postText(size));
    const qsizetype textBytes = QGuiApplication::clipboard()->text().size() * 2;
    const Measured measured = measure(textBytes, [&form] { form.Command20_Click(); });
    if (!QGuiApplication::clipboard()->text().startsWith(u">これは"_s))
        qFatal("the clipboard was not quoted");
    return measured;
}

Measured takeInFile(qsizetype size, bool windows31j)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"post.txt"_s);
    {
        const QString text = postText(size);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(windows31j ? platform::encodeText(text) : text.toUtf8()) < 0)
            qFatal("cannot write %s", qPrintable(path));
    }
    TestProgram program;
    Form1 &form = program.start();
    program.openDialog.answers = {path};
    const Measured measured = measure(0, [&form] { form.Command34_Click(); });
    const qsizetype textBytes = QGuiApplication::clipboard()->text().size() * 2;
    if (textBytes == 0)
        qFatal("the file was not taken in");
    return {measured.seconds, textBytes, measured.extraPeak};
}

int runCase(const QString &name, qsizetype size)
{
    Measured measured{};
    if (name == u"quote")
        measured = quoteClipboard(size);
    else if (name == u"filein-utf8")
        measured = takeInFile(size, false);
    else if (name == u"filein-windows31j")
        measured = takeInFile(size, true);
    else
        return 2;
    std::printf("%-18s %6lld MB %8.2f s %8.1f MB/s %8lld MB %6.1f\n", qPrintable(name),
                static_cast<long long>(size / megabyte), measured.seconds,
                size / megabyte / measured.seconds,
                static_cast<long long>(measured.extraPeak / megabyte),
                static_cast<double>(measured.extraPeak) / measured.textBytes);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3)
        return runCase(arguments[1], arguments[2].toLongLong() * megabyte);

    std::printf("%-18s %9s %10s %13s %11s %6s\n", "case", "size", "time", "speed", "extra peak",
                "copies");
    for (const char *name : {"quote", "filein-utf8", "filein-windows31j"}) {
        for (const int megabytes : {10, 100}) {
            std::fflush(stdout);
            const int status =
                QProcess::execute(QApplication::applicationFilePath(),
                                  {QString::fromLatin1(name), QString::number(megabytes)});
            if (status != 0)
                return 1;
        }
    }
    std::printf("size: UTF-8 bytes of the text; copies: extra peak / the text's size in memory "
                "(UTF-16)\n");
    return 0;
}
