#include "AppTestSupport.h"

#include "app/TDateForm.h"

#include <QCalendarWidget>
#include <gtest/gtest.h>

TEST(TDateForm, OpensAtTheStoredDateOrTodayAndSteps)
{
    TestApplication();
    TDateForm form;
    const QDate today(2026, 12, 9);
    form.SetStoredDate("20240315", today);
    EXPECT_EQ(form.SelectedDate(), QDate(2024, 3, 15));
    form.SetStoredDate("2024031", today);
    EXPECT_EQ(form.SelectedDate(), today);
    form.SetStoredDate("20240131", today);
    form.MonthForwardClick(); // no 31 February: the last day of the month
    EXPECT_EQ(form.SelectedDate(), QDate(2024, 2, 29));
    form.YearForwardClick();
    EXPECT_EQ(form.SelectedDate(), QDate(2025, 2, 28));
    SaveScreenshot(&form, "date");
    form.NoDateClick();
    EXPECT_EQ(form.Choice(), TDateChoice::dcNoDate);
}
