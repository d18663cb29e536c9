#pragma once

#include <QStringList>

// Runs every case asked for (all when none is named), each size in a process of its own started
// from this executable, and prints their figures against the targets. Returns the exit status:
// 0 when every case ran, whether or not it met its targets.
int runReport(const QString &executable, const QStringList &arguments);
