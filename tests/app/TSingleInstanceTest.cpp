#include "AppTestSupport.h"

#include "app/TSingleInstance.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

TEST(TSingleInstance, ASecondStartAsksTheFirstToRaiseAndStepsAside)
{
    TestApplication();
    const QString key = QStringLiteral("quorvane-test-%1").arg(QCoreApplication::applicationPid());
    TSingleInstance first(key);
    ASSERT_TRUE(first.TryBecomePrimary());
    int raised = 0;
    QObject::connect(&first, &TSingleInstance::RaiseRequested, [&] { ++raised; });

    {
        TSingleInstance second(key);
        EXPECT_FALSE(second.TryBecomePrimary());
    }
    QElapsedTimer timer;
    timer.start();
    while (raised == 0 && timer.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(raised, 1);
}
