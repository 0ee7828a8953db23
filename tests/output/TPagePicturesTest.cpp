// The writer of page pictures: pages drawn on white at the resolution asked for, named by the
// caller's rule, and a folder or file that cannot be written reported.
#include "output/TPagePictures.h"
#include "output/TPageStream.h"
#include "output/TReportFiler.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TPageStream TwoPages()
{
    TPageStream pages;
    TReportFiler job(pages);
    job.SetCustomPaper(1.0_in, 2.0_in);
    job.OnPrint = [](TBaseReport& report) {
        report.FillRect({0.25_in, 0.5_in, 0.75_in, 1.0_in}, Qt::black);
        report.NewPage();
    };
    EXPECT_TRUE(job.Execute());
    return pages;
}

TEST(TPagePictures, PagesAreWrittenOnWhiteUnderTheCallersNames)
{
    const TPageStream pages = TwoPages();
    ASSERT_EQ(pages.PageCount(), 2);
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("deep/pictures"));
    TPagePictures::WriteAll(pages, folder, [](int n) { return QStringLiteral("sheet-%1.png").arg(n); });
    QImage first(folder + QStringLiteral("/sheet-1.png"));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(96, 192));
    EXPECT_EQ(first.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(first.pixelColor(48, 72), QColor(Qt::black));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/sheet-2.png")));
    // The preview's picture of the same page, at twice the screen's 96 dots per inch.
    const QImage screen = TPagePictures::ScreenPicture(pages.Page(1), 192.0, 96.0);
    EXPECT_EQ(screen.size(), QSize(192, 384));
    EXPECT_EQ(screen.pixelColor(96, 144), QColor(Qt::black));
}

TEST(TPagePictures, AFolderThatCannotBeMadeIsReported)
{
    const TPageStream pages = TwoPages();
    QTemporaryDir home;
    QFile blocker(home.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = home.filePath(QStringLiteral("file/pictures"));
    try {
        TPagePictures::WriteAll(pages, folder, [](int n) { return QStringLiteral("p%1.png").arg(n); });
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(QString::fromStdString(error.what()), QStringLiteral("cannot create the folder ") + folder);
    }
}

} // namespace
