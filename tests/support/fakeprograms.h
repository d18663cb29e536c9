#pragma once

#include "os/programs.h"

#include <QList>
#include <QMap>

// Programs that are only recorded, never run. A program starts when its path is among the
// startable ones; a name is found on the PATH when onPath maps it to a path.
class FakePrograms final : public os::Programs
{
public:
    QString findOnPath(const QString &name) const override { return onPath.value(name); }
    bool start(const QString &path, const QStringList &arguments, QString *reason) override;

    struct Start
    {
        QString path;
        QStringList arguments;
    };
    QStringList startable;
    QMap<QString, QString> onPath;
    QList<Start> started;     // every start that succeeded
    QStringList triedToStart; // every path asked for, started or not
};
