// The "Select a Date" dialog of the record's Date button: a calendar with year and month
// steps and Today, a caption with the chosen day in the long date format, and "Ok",
// "No Date" and "Cancel".
#pragma once

#include <QDate>
#include <QDialog>

#include <optional>

class QCalendarWidget;
class QLabel;

enum class TDateChoice { dcCancel, dcNoDate, dcDate };

class TDateForm : public QDialog {
    Q_OBJECT
public:
    explicit TDateForm(QWidget* parent = nullptr);

    // Opens at the stored date (YYYYMMDD) when it is valid, else at today.
    void SetStoredDate(const QString& stored, const QDate& today = QDate::currentDate());
    QDate SelectedDate() const;
    TDateChoice Choice() const { return Result; }

    // The new stored value: nullopt for Cancel, empty for "No Date", else YYYYMMDD.
    static std::optional<QString> Choose(const QString& stored, QWidget* parent);

    QCalendarWidget* Calendar = nullptr;
    QLabel* CaptionLabel = nullptr;

public slots:
    void YearBackClick();
    void MonthBackClick();
    void TodayClick();
    void MonthForwardClick();
    void YearForwardClick();
    void NoDateClick();

private:
    void UpdateCaption();
    TDateChoice Result = TDateChoice::dcCancel;
};
