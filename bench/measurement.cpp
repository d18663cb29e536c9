#include "measurement.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {

// A figure of /proc/self/status in bytes: VmRSS the resident memory now, VmHWM its peak.
qsizetype memoryFigure(QByteArrayView name)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/status");
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').first().toLongLong() * 1024;
    }
    qFatal("no %s in /proc/self/status", name.data());
}

// The peak starts again from the memory held now.
void resetPeak()
{
    QFile clearRefs(u"/proc/self/clear_refs"_s);
    if (!clearRefs.open(QIODevice::WriteOnly) || clearRefs.write("5") != 1)
        qFatal("cannot reset the memory peak through /proc/self/clear_refs");
}

} // namespace

Run measureRun(const std::function<void()> &code)
{
    // Memory an earlier run freed goes back to the system first, or the run would find it
    // resident already and seem to need less.
    malloc_trim(0);
    const qsizetype before = memoryFigure("VmRSS:");
    resetPeak();
    QElapsedTimer timer;
    timer.start();
    code();
    const double seconds = timer.nsecsElapsed() / 1e9;
    return {seconds, memoryFigure("VmHWM:") - before};
}

double median(QList<double> figures)
{
    std::sort(figures.begin(), figures.end());
    const qsizetype middle = figures.size() / 2;
    return figures.size() % 2 ? figures[middle] : (figures[middle - 1] + figures[middle]) / 2;
}
