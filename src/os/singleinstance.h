#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace os {

// One running copy of the program per Data folder, so that two copies never overwrite each
// other's files. The first start over a folder holds a lock on it, which dies with its process
// however that ends, and listens for later starts; a later start over the same folder asks the
// running copy to come to the front instead of opening a window of its own. Folders are told
// apart by their canonical paths: two spellings of one folder are one folder.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Start {
        First,      // this copy serves the Data folder
        Handed,     // a running copy does and has been asked to come to the front
        Unanswered, // a running copy does but did not answer in time
    };

    explicit SingleInstance(const QString &dataFolder, QObject *parent = nullptr);

    Start claim();

signals:
    // A later start over the same Data folder wants this copy's main window in front.
    void frontWanted();

private:
    bool askRunningCopy();
    void listen();

    const QString endpoint_; // the local server's socket; the lock file lies beside it
    QLockFile lock_;
    QLocalServer server_;
};

} // namespace os
