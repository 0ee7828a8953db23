// A modem played by the master side of a pseudo-terminal pair: the dialer opens the slave side
// as its serial port, and a thread answers each command line with the scripted reply.
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

class PtyModem {
public:
    // `answer` gets each command line received (without its line end) and returns the bytes to
    // send back (empty: stay silent).
    explicit PtyModem(std::function<QByteArray(const QByteArray&)> answer) : Answer(std::move(answer))
    {
        char name[256] = {};
        termios raw{};
        cfmakeraw(&raw);
        if (openpty(&Master, &Slave, name, &raw, nullptr) == 0)
            SlavePath = QString::fromLocal8Bit(name);
        Worker = std::thread([this] { Run(); });
    }
    ~PtyModem()
    {
        Stop = true;
        Worker.join();
        close(Master);
        close(Slave);
    }
    const QString& Path() const { return SlavePath; }
    QByteArray Received()
    {
        std::lock_guard lock(Guard);
        return All;
    }

private:
    void Run()
    {
        QByteArray line;
        while (!Stop) {
            pollfd fd{Master, POLLIN, 0};
            if (poll(&fd, 1, 20) <= 0 || !(fd.revents & POLLIN))
                continue;
            char buffer[256];
            const ssize_t got = read(Master, buffer, sizeof buffer);
            if (got <= 0)
                continue;
            for (ssize_t i = 0; i < got; ++i) {
                {
                    std::lock_guard lock(Guard);
                    All += buffer[i];
                }
                if (buffer[i] == '\n') {
                    const QByteArray reply = Answer(line.trimmed());
                    if (!reply.isEmpty() && write(Master, reply.constData(), reply.size()) < 0)
                        return;
                    line.clear();
                } else {
                    line += buffer[i];
                }
            }
        }
    }

    std::function<QByteArray(const QByteArray&)> Answer;
    int Master = -1;
    int Slave = -1; // held open so the pair lives while the dialer opens and closes its side
    QString SlavePath;
    std::atomic<bool> Stop{false};
    std::mutex Guard;
    QByteArray All;
    std::thread Worker;
};
