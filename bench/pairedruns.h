#pragma once

#include <QString>

#include <functional>

// A path of the program and its baseline, run by turns in the same process on the same text.
struct Pairing
{
    qsizetype characters;           // of the text, whose UTF-16 size a memory copy is
    std::function<void()> prepare;  // before every run of either, untimed
    std::function<void()> program;  // the program's own code path
    std::function<void()> baseline; // the least work the path must do
    std::function<void()> verify;   // after a program run, untimed: stops on a wrong result
    // The longest time the event loop was held during the last run of the program or the
    // baseline, when the path is one that the event loop runs through.
    const double *programFreeze = nullptr;
    const double *baselineFreeze = nullptr;
};

// Five runs of each, then one line on standard output that the report reads:
// the median seconds, the largest peak memory in copies of the text and the median freeze.
void runPaired(const QString &name, qsizetype megabytes, const Pairing &pairing);
