#pragma once

#include <QClipboard>
#include <QGuiApplication>

// The system clipboard as a test reads and sets it behind the program's back.
inline QClipboard &clipboard() { return *QGuiApplication::clipboard(); }
