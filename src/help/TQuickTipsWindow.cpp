#include "TQuickTipsWindow.h"

#include "help/TQuickTips.h"
#include "settings/TWindowPlacement.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TQuickTipsWindow::TQuickTipsWindow(const QString& topic, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quick Tips"));
    TopicCombo = new QComboBox;
    TopicCombo->addItems(TQuickTips::Topics());
    TipLabel = new QLabel;
    TipLabel->setWordWrap(true);
    TipLabel->setTextFormat(Qt::RichText);
    TipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TipLabel->setMinimumHeight(90);
    TipLabel->setFrameShape(QFrame::StyledPanel);
    TipLabel->setMargin(10);
    CountLabel = new QLabel;
    BackButton = new QPushButton(QStringLiteral("Back"));
    NextButton = new QPushButton(QStringLiteral("Next"));
    CloseButton = new QPushButton(QStringLiteral("Close"));
    NextButton->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Topic")));
    top->addWidget(TopicCombo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CountLabel);
    buttons->addStretch();
    buttons->addWidget(BackButton);
    buttons->addWidget(NextButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(TipLabel, 1);
    layout->addLayout(buttons);
    resize(420, 220);

    connect(BackButton, &QPushButton::clicked, this, &TQuickTipsWindow::BackButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TQuickTipsWindow::NextButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    connect(TopicCombo, &QComboBox::currentTextChanged, this,
            [this](const QString& chosen) { ShowTip(TQuickTips::FirstPageOf(chosen)); });
    ShowTip(TQuickTips::FirstPageOf(topic));
    TWindowPlacement::Centre(this, parent);
}

TQuickTipsWindow* TQuickTipsWindow::Open(const QString& topic, QWidget* parent)
{
    auto* window = new TQuickTipsWindow(topic, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

void TQuickTipsWindow::NextButtonClick() { ShowTip(Current + 1); }
void TQuickTipsWindow::BackButtonClick() { ShowTip(Current - 1); }

void TQuickTipsWindow::ShowTip(int page)
{
    const QList<TQuickTip>& tips = TQuickTips::All();
    Current = std::clamp(page, 0, static_cast<int>(tips.size()) - 1);
    const TQuickTip& tip = tips[Current];
    {
        const QSignalBlocker quiet(TopicCombo);
        TopicCombo->setCurrentText(tip.Topic);
    }
    TipLabel->setText(tip.Text);
    CountLabel->setText(QStringLiteral("Tip %1 of %2").arg(Current + 1).arg(tips.size()));
    BackButton->setEnabled(Current > 0);
    NextButton->setEnabled(Current + 1 < tips.size());
}
