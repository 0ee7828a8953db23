// One running Quorvane per user: the first start holds a lock file and listens on a local
// socket; a later start finds the lock, asks the first to bring its window forward, and exits.
// A lock left by a crashed run is stale and taken over.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // `key` names the lock and the socket (tests use their own).
    explicit TSingleInstance(QString key = DefaultKey(), QObject* parent = nullptr);
    ~TSingleInstance() override;

    // True when this process is now the running instance. False when another one runs; it has
    // then been asked to raise its window.
    bool TryBecomePrimary();
    static QString DefaultKey();

signals:
    void RaiseRequested();

private:
    QString Key;
    std::unique_ptr<QLockFile> Lock;
    QLocalServer* Server = nullptr;
};
