#pragma once

#include <QByteArray>
#include <QString>

// A file's bytes as a test sees them: "<missing>" when it cannot be read.
QByteArray contentOf(const QString &path);
// Writes the file with exactly these bytes, or fails the test.
void writeFile(const QString &path, const QByteArray &bytes);
