#pragma once

#include <QList>

#include <functional>

// One timed run of a piece of code in this process: how long it took and how much resident
// memory it needed at its peak beyond what the process held when it began.
struct Run
{
    double seconds;
    qsizetype extraPeakBytes;
};

Run measureRun(const std::function<void()> &code);

// The middle of the figures (the mean of the two middle ones for an even count).
double median(QList<double> figures);
