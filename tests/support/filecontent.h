#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

// A file's bytes as a test sees them: "<missing>" when it cannot be read.
QByteArray contentOf(const QString &path);
// Writes the file with exactly these bytes, or fails the test.
void writeFile(const QString &path, const QByteArray &bytes);

// The names of what the folder holds of those kinds (files, folders, links), hidden and system
// files included, sorted.
QStringList filesIn(const QString &folder, QDir::Filters kinds = QDir::AllEntries);
// Every file below the folder with its content in hex, symbolic links as where they point.
QStringList snapshotOf(const QString &folder);
