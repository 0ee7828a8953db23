#include "TDateForm.h"

#include "settings/TWindowPlacement.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

TDateForm::TDateForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select a Date"));
    CaptionLabel = new QLabel;
    CaptionLabel->setAlignment(Qt::AlignCenter);
    QFont bold = CaptionLabel->font();
    bold.setBold(true);
    CaptionLabel->setFont(bold);

    Calendar = new QCalendarWidget;
    Calendar->setGridVisible(true);
    Calendar->setNavigationBarVisible(false);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(Calendar, &QCalendarWidget::selectionChanged, this, &TDateForm::UpdateCaption);
    connect(Calendar, &QCalendarWidget::activated, this, [this] {
        Result = TDateChoice::dcDate;
        accept();
    });

    auto* steps = new QHBoxLayout;
    const std::pair<const char*, void (TDateForm::*)()> stepButtons[] = {
        {"Year-", &TDateForm::YearBackClick},   {"Month-", &TDateForm::MonthBackClick},
        {"Today", &TDateForm::TodayClick},      {"Month +", &TDateForm::MonthForwardClick},
        {"Year+", &TDateForm::YearForwardClick}};
    for (const auto& [caption, handler] : stepButtons) {
        auto* button = new QPushButton(QLatin1String(caption));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        steps->addWidget(button);
    }

    auto* ok = new QPushButton(QStringLiteral("Ok"));
    ok->setDefault(true);
    auto* noDate = new QPushButton(QStringLiteral("No Date"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    connect(ok, &QPushButton::clicked, this, [this] {
        Result = TDateChoice::dcDate;
        accept();
    });
    connect(noDate, &QPushButton::clicked, this, &TDateForm::NoDateClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(ok);
    closing->addWidget(noDate);
    closing->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CaptionLabel);
    layout->addWidget(Calendar);
    layout->addLayout(steps);
    layout->addLayout(closing);
}

void TDateForm::SetStoredDate(const QString& stored, const QDate& today)
{
    QDate date = QDate::fromString(stored.left(8), QStringLiteral("yyyyMMdd"));
    if (!date.isValid())
        date = today;
    Calendar->setSelectedDate(date);
    UpdateCaption();
}

QDate TDateForm::SelectedDate() const { return Calendar->selectedDate(); }

void TDateForm::UpdateCaption()
{
    CaptionLabel->setText(QLocale::system().toString(Calendar->selectedDate(), QLocale::LongFormat));
    Calendar->setCurrentPage(Calendar->selectedDate().year(), Calendar->selectedDate().month());
}

void TDateForm::YearBackClick() { Calendar->setSelectedDate(SelectedDate().addYears(-1)); }
void TDateForm::MonthBackClick() { Calendar->setSelectedDate(SelectedDate().addMonths(-1)); }
void TDateForm::TodayClick() { Calendar->setSelectedDate(QDate::currentDate()); }
void TDateForm::MonthForwardClick() { Calendar->setSelectedDate(SelectedDate().addMonths(1)); }
void TDateForm::YearForwardClick() { Calendar->setSelectedDate(SelectedDate().addYears(1)); }

void TDateForm::NoDateClick()
{
    Result = TDateChoice::dcNoDate;
    accept();
}

std::optional<QString> TDateForm::Choose(const QString& stored, QWidget* parent)
{
    TDateForm form(parent);
    form.SetStoredDate(stored);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
    switch (form.Choice()) {
    case TDateChoice::dcCancel:
        return std::nullopt;
    case TDateChoice::dcNoDate:
        return QString();
    case TDateChoice::dcDate:
        break;
    }
    return form.SelectedDate().toString(QStringLiteral("yyyyMMdd"));
}
