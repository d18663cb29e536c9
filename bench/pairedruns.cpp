#include "pairedruns.h"

#include "measurement.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int runs = 5;

struct Figures
{
    QList<double> seconds;
    QList<double> freezes;
    double copies = 0;

    void add(const Run &run, double textBytes, const double *freeze)
    {
        seconds.append(run.seconds);
        copies = std::max(copies, run.extraPeakBytes / textBytes);
        freezes.append(freeze ? *freeze : 0);
    }
};

} // namespace

void runPaired(const QString &name, qsizetype megabytes, const Pairing &pairing)
{
    const double textBytes = 2.0 * pairing.characters;
    Figures program;
    Figures baseline;
    for (int i = 0; i < runs; ++i) {
        pairing.prepare();
        program.add(measureRun(pairing.program), textBytes, pairing.programFreeze);
        pairing.verify();
        pairing.prepare();
        baseline.add(measureRun(pairing.baseline), textBytes, pairing.baselineFreeze);
    }
    std::printf("%s %lld %lld %.6f %.6f %.4f %.4f %.6f %.6f\n", qPrintable(name),
                static_cast<long long>(megabytes), static_cast<long long>(pairing.characters),
                median(program.seconds), median(baseline.seconds), program.copies, baseline.copies,
                median(program.freezes), median(baseline.freezes));
    std::fflush(stdout);
}
