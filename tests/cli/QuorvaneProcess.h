// Runs the quorvane binary as a script would: no display, the given program folder.
#pragma once

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

struct TRun {
    int Status = -1;
    QString Out;
    QString Err;
};

inline TRun RunQuorvane(const QString& home, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(environment);
    process.start(QUORVANE_BINARY, QStringList{"--home", home} + arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
