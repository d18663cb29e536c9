#include "keystrokecase.h"

#include "app/form1.h"
#include "posttext.h"
#include "support/testprogram.h"
#include "widgets/textbox.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <QThread>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kilobyte = 1024;
constexpr int runs = 21;

// Seconds from the key until the event loop has handled it and turned once more.
double keystroke(QWidget *box)
{
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(box, Qt::Key_A);
    QCoreApplication::sendPostedEvents();
    QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents);
    return timer.nsecsElapsed() / 1e9;
}

// The longest turn of the event loop until done() holds, or for as long as given.
double longestTurn(const std::function<bool()> &done, double seconds)
{
    QElapsedTimer total, turn;
    total.start();
    double longest = 0;
    while (!done() && total.nsecsElapsed() / 1e9 < seconds) {
        turn.restart();
        QCoreApplication::sendPostedEvents();
        QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents);
        longest = std::max(longest, turn.nsecsElapsed() / 1e9);
        QThread::usleep(200);
    }
    return longest;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

bool runKeystrokeCase(const QString &name, qsizetype kilobytes)
{
    if (name != u"keystroke"_s)
        return false;
    const QString text = postText(kilobytes * kilobyte);
    // The same program beside it, its Comment cut off from the recovery file.
    TestProgram program, without;
    Form1 &form = program.start();
    Form1 &bare = without.start();
    QObject::disconnect(bare.Text7, &QPlainTextEdit::textChanged, nullptr, nullptr);
    for (QPlainTextEdit *box : {form.Text7, bare.Text7}) {
        widgets::setBoxText(box, text);
        box->setFocus();
        box->moveCursor(QTextCursor::End);
    }
    const QString recovery = program.dataPath(u"unsaved.txt"_s);
    const auto recoverySize = [&recovery] { return QFileInfo(recovery).size(); };
    longestTurn([&] { return recoverySize() > 0; }, 5); // the first write, untimed

    QList<double> programTimes, baselineTimes, programTurns, baselineTurns;
    for (int run = 0; run < runs; ++run) {
        const qint64 before = recoverySize();
        const double key = keystroke(form.Text7);
        QElapsedTimer waited;
        waited.start();
        const double turn = longestTurn([&] { return recoverySize() > before; }, 5);
        const double seconds = waited.nsecsElapsed() / 1e9;
        programTimes << key;
        programTurns << turn;

        const double bareKey = keystroke(bare.Text7);
        const double bareTurn = longestTurn([] { return false; }, seconds);
        baselineTimes << bareKey;
        baselineTurns << bareTurn;
    }
    std::printf("%s %lld %lld %.6f %.6f 0 0 %.6f %.6f\n", qPrintable(name),
                static_cast<long long>(kilobytes), static_cast<long long>(text.size()),
                median(programTimes), median(baselineTimes), median(programTurns),
                median(baselineTurns));
    return true;
}
