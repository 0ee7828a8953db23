#include "AppTestSupport.h"

#include "app/TSingleInstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
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

TEST(TSingleInstance, EachProgramFolderIsAnInstanceOfItsOwn)
{
    TestApplication();
    QTemporaryDir one, two;
    const QString link = two.filePath(QStringLiteral("link-to-one"));
    ASSERT_TRUE(QFile::link(one.path(), link));
    const QString key = TSingleInstance::KeyFor(one.path());
    EXPECT_EQ(TSingleInstance::KeyFor(one.path() + QStringLiteral("/./")), key);
    EXPECT_EQ(TSingleInstance::KeyFor(link), key);
    EXPECT_NE(TSingleInstance::KeyFor(two.path()), key);

    TSingleInstance first(key);
    ASSERT_TRUE(first.TryBecomePrimary());
    TSingleInstance otherBook(TSingleInstance::KeyFor(two.path()));
    EXPECT_TRUE(otherBook.TryBecomePrimary());
    TSingleInstance sameBook(TSingleInstance::KeyFor(link));
    EXPECT_FALSE(sameBook.TryBecomePrimary());
}
