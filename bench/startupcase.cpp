#include "startupcase.h"

#include "app/form1.h"
#include "baselines.h"
#include "pairedruns.h"
#include "posttext.h"
#include "support/testprogram.h"
#include "text/textcodec.h"
#include "widgets/textbox.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype megabyte = 1024 * 1024;

// Times the code and then every turn of the event loop until nothing is left to do (the window
// shown, laid out and painted); returns the longest of these stretches, during which the window
// could not have answered the user.
double longestFreeze(const std::function<void()> &code)
{
    QElapsedTimer timer;
    timer.start();
    code();
    double longest = timer.nsecsElapsed() / 1e9;
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (bool busy = true; busy;) {
        timer.restart();
        QCoreApplication::sendPostedEvents();
        busy = dispatcher->processEvents(QEventLoop::AllEvents);
        longest = std::max(longest, timer.nsecsElapsed() / 1e9);
    }
    return longest;
}

struct Startup
{
    explicit Startup(qsizetype megabytes)
        : fileBytes(text::encodeText(postText(megabytes * megabyte)))
        , characters(text::decodeText(fileBytes).size())
    {}

    // A program folder of its own for every run, with seven fields as a poster keeps them.
    void prepare()
    {
        form = nullptr;
        program.reset();
        box.reset();
        program.emplace();
        const char *fields[] = {"名無しさん\r\n",         "sage\r\n",    "id\r\n", "pass\r\n",
                                "http://example.jp/\r\n", "Re: 質問\r\n"};
        for (int field = 1; field <= 6; ++field)
            program->writeData(u"%1.txt"_s.arg(field),
                               text::encodeText(QString::fromUtf8(fields[field - 1])));
        program->writeData(u"7.txt"_s, fileBytes);
        baselineFile = program->dataPath(u"7.txt"_s);
    }

    void startProgram()
    {
        programFreeze = longestFreeze([this] { form = &program->start(); });
    }

    // The bare program: the file read and decoded, the text put into the kind of box the
    // Comment is, the box shown at the Comment's size.
    void startBare()
    {
        baselineFreeze = longestFreeze([this] {
            box.reset(widgets::makeMultiLineBox(nullptr));
            widgets::setBoxText(box.get(), readAndDecode(baselineFile));
            box->resize(567, 231);
            box->show();
        });
    }

    void verify() const
    {
        if (!form || !form->Text7->isVisible()
            || form->Text7->document()->characterCount() < characters / 2)
            qFatal("the program did not start with the Comment shown");
    }

    const QByteArray fileBytes;
    const qsizetype characters;
    std::optional<TestProgram> program;
    Form1 *form = nullptr;
    std::unique_ptr<QPlainTextEdit> box;
    QString baselineFile;
    double programFreeze = 0;
    double baselineFreeze = 0;
};

} // namespace

bool runStartupCase(const QString &name, qsizetype megabytes)
{
    if (name != u"startup")
        return false;
    Startup startup(megabytes);
    Pairing pairing{startup.characters,
                    [&startup] { startup.prepare(); },
                    [&startup] { startup.startProgram(); },
                    [&startup] { startup.startBare(); },
                    [&startup] { startup.verify(); },
                    &startup.programFreeze,
                    &startup.baselineFreeze};
    runPaired(name, megabytes, pairing);
    return true;
}
