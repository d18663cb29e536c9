#include "report.h"

#include "pathcases.h"

#include <QMap>
#include <QProcess>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct Plan
{
    QString name;
    QList<qsizetype> megabytes; // the largest two give the scaling
    double ratioTarget;
    const char *unit = "MB";
};

// What one case process printed (see runPaired).
struct Result
{
    qsizetype megabytes = 0;
    qsizetype characters = 0;
    double programSeconds = 0, baselineSeconds = 0;
    double programCopies = 0, baselineCopies = 0;
    double programFreeze = 0, baselineFreeze = 0;
};

constexpr double copiesTarget = 3;
// From the next size to the largest, a path's time may grow at most this much more than its
// baseline's does in the same run: what the machine adds at a size (fresh pages from the kernel,
// a cold cache) it adds to both.
constexpr double scalingSlack = 1.3;

// Time targets, as ratios to the baseline: the codec at least five times as fast as Qt's
// converter when decoding and no slower encoding, the loads as fast as a bare program filling the
// same box but for a tenth, the rest as the earlier speed work set them.
double ratioTarget(const QString &name)
{
    if (name == u"decode"_s)
        return 0.2;
    if (name == u"encode"_s)
        return 1.0;
    if (name == u"reload"_s || name == u"slot-load"_s)
        return 1.1;
    return name.startsWith(u"filein"_s) ? 1.5 : 2.0;
}

QList<Plan> plans(const QList<qsizetype> &sizes)
{
    QList<Plan> all;
    for (const QString &name : pathCaseNames())
        all.append({name, sizes, ratioTarget(name)});
    all.append({u"startup"_s, {10, 50}, 1.5});
    all.append({u"keystroke"_s, {10, 1024}, 1.1, "KB"});
    all.append({u"postcheck"_s, {2, 100}, 60, "KB"});
    return all;
}

std::optional<Result> runCase(const QString &executable, const QString &name, qsizetype megabytes)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(executable, {u"--case"_s, name, QString::number(megabytes)});
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 9)
        return std::nullopt;
    return Result{fields[1].toLongLong(), fields[2].toLongLong(), fields[3].toDouble(),
                  fields[4].toDouble(),   fields[5].toDouble(),   fields[6].toDouble(),
                  fields[7].toDouble(),   fields[8].toDouble()};
}

QString verdict(const Plan &plan, const Result &result)
{
    QStringList misses;
    const double ratio = result.programSeconds / result.baselineSeconds;
    if (ratio > plan.ratioTarget)
        misses.append(u"time %1x > %2x"_s.arg(ratio, 0, 'f', 2).arg(plan.ratioTarget));
    if (result.programCopies > copiesTarget)
        misses.append(
            u"memory %1 > %2 copies"_s.arg(result.programCopies, 0, 'f', 2).arg(copiesTarget));
    if (result.programFreeze > result.baselineFreeze * plan.ratioTarget)
        misses.append(u"freeze"_s);
    return misses.isEmpty() ? u"ok"_s : u"MISS "_s + misses.join(u", "_s);
}

void printRow(const Plan &plan, const Result &result)
{
    std::printf("%-18s %4lld %s %8.3f s %7.1f %6.2f %8.3f s %7.1f %6.2f %6.2f",
                qPrintable(plan.name), static_cast<long long>(result.megabytes), plan.unit,
                result.programSeconds, result.megabytes / result.programSeconds,
                result.programCopies, result.baselineSeconds,
                result.megabytes / result.baselineSeconds, result.baselineCopies,
                result.programSeconds / result.baselineSeconds);
    if (result.programFreeze > 0)
        std::printf("  freeze %.3f s / %.3f s", result.programFreeze, result.baselineFreeze);
    std::printf("  %s\n", qPrintable(verdict(plan, result)));
    std::fflush(stdout);
}

void printScaling(const Plan &plan, const QMap<qsizetype, Result> &results)
{
    if (results.size() < 2)
        return;
    const Result &large = results.last();
    const Result &middle = std::prev(results.end(), 2).value();
    const double growth = large.programSeconds / middle.programSeconds;
    const double baselineGrowth = large.baselineSeconds / middle.baselineSeconds;
    const double limit = scalingSlack * baselineGrowth;
    std::printf("%-18s %lld %s / %lld %s: %.2fx the time (at most %.2fx) %s, baseline %.2fx\n",
                qPrintable(plan.name), static_cast<long long>(large.megabytes), plan.unit,
                static_cast<long long>(middle.megabytes), plan.unit, growth, limit,
                growth <= limit ? "ok" : "MISS", baselineGrowth);
}

} // namespace

int runReport(const QString &executable, const QStringList &arguments)
{
    QList<qsizetype> sizes{1, 10, 100};
    QStringList names;
    for (const QString &argument : arguments) {
        if (argument.startsWith(u"--sizes="_s)) {
            sizes.clear();
            for (const QString &size : argument.mid(8).split(u','))
                sizes.append(size.toLongLong());
        } else {
            names.append(argument);
        }
    }
    std::printf("%-18s %7s %10s %7s %6s %10s %7s %6s %6s\n", "case", "size", "program", "MB/s",
                "copies", "baseline", "MB/s", "copies", "ratio");
    QList<std::pair<Plan, QMap<qsizetype, Result>>> done;
    for (const Plan &plan : plans(sizes)) {
        if (!names.isEmpty() && !names.contains(plan.name))
            continue;
        QMap<qsizetype, Result> results;
        for (const qsizetype megabytes : plan.megabytes) {
            const std::optional<Result> result = runCase(executable, plan.name, megabytes);
            if (!result) {
                std::fprintf(stderr, "%s at %lld MB failed\n", qPrintable(plan.name),
                             static_cast<long long>(megabytes));
                return 1;
            }
            printRow(plan, *result);
            results.insert(megabytes, *result);
        }
        done.append({plan, results});
    }
    std::printf("\nScaling: the time at the largest size against the next\n");
    for (const auto &[plan, results] : done)
        printScaling(plan, results);
    std::printf("\nsize: the text in Windows-31J; copies: peak resident memory beyond the "
                "process's before the run, in copies of the text in UTF-16 (largest of 5 runs); "
                "times: median of 5 runs; ratio: program / baseline\n");
    return 0;
}
