// One running Quorvane per program folder: the first start on a folder holds a lock file and
// listens on a local socket, both named after the folder; a later start on the same folder finds
// the lock, asks the first to bring its window forward, and exits. Two folders are two address
// books and run side by side. A lock left by a crashed run is stale and taken over.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // `key` names the lock and the socket: KeyFor(the program folder).
    explicit TSingleInstance(QString key, QObject* parent = nullptr);
    ~TSingleInstance() override;

    // True when this process is now the running instance. False when another one runs; it has
    // then been asked to raise its window.
    bool TryBecomePrimary();
    // The same for every spelling of one folder (its canonical path), different for another.
    static QString KeyFor(const QString& programFolder);

signals:
    void RaiseRequested();

private:
    QString Key;
    std::unique_ptr<QLockFile> Lock;
    QLocalServer* Server = nullptr;
};
