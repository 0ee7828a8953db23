#include "TPreviewForm.h"

#include "TPrintPagesForm.h"

#include "help/THelp.h"
#include "settings/TWindowPlacement.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

TPreviewForm::TPreviewForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Preview"));
    setModal(true);
    resize(820, 900);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    Preview = new TFilePreview(this);
    layout->addWidget(Preview, 1);

    bar->addWidget(AddButton(QStringLiteral("Zoom In"), QStringLiteral("Zoom in"), &TPreviewForm::ZoomInButtonClick));
    bar->addWidget(AddButton(QStringLiteral("Zoom Out"), QStringLiteral("Zoom out"), &TPreviewForm::ZoomOutButtonClick));
    bar->addWidget(AddButton(QStringLiteral("Page Width"), QStringLiteral("Zoom to page width"), &TPreviewForm::PageWidthButtonClick));
    bar->addWidget(AddButton(QStringLiteral("Whole Page"), QStringLiteral("Zoom to whole page"), &TPreviewForm::WholePageButtonClick));
    bar->addWidget(AddButton(QStringLiteral("100%"), QStringLiteral("Actual size"), &TPreviewForm::HundredPercentButtonClick));
    bar->addSpacing(12);
    NavigationButtons = {
        AddButton(QStringLiteral("|<"), QStringLiteral("First page"), &TPreviewForm::FirstPageButtonClick),
        AddButton(QStringLiteral("<"), QStringLiteral("Previous page"), &TPreviewForm::PriorPageButtonClick),
        AddButton(QStringLiteral(">"), QStringLiteral("Next page"), &TPreviewForm::NextPageButtonClick),
        AddButton(QStringLiteral(">|"), QStringLiteral("Last page"), &TPreviewForm::LastPageButtonClick),
    };
    for (QToolButton* button : NavigationButtons)
        bar->addWidget(button);
    bar->addStretch(1);
    PrintButton = new QPushButton(QStringLiteral("Print"), this);
    PrintButton->setVisible(false);
    connect(PrintButton, &QPushButton::clicked, this, &TPreviewForm::PrintButtonClick);
    bar->addWidget(PrintButton);
    auto* okButton = new QPushButton(QStringLiteral("Ok"), this);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpButton = new QPushButton(QStringLiteral("Help"), this);
    OnHelp = [this] { THelp::ShowPageOf(this); };
    connect(helpButton, &QPushButton::clicked, this, [this] { if (OnHelp) OnHelp(); });
    bar->addWidget(okButton);
    bar->addWidget(helpButton);

    Preview->OnPageChange = [this] { UpdateTitle(); };
    Preview->OnZoomChange = [this] { UpdateTitle(); };
}

QToolButton* TPreviewForm::AddButton(const QString& text, const QString& tip, void (TPreviewForm::*handler)())
{
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

void TPreviewForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!Activated)
        FormActivate();
}

void TPreviewForm::FormActivate()
{
    if (Activated)
        return;
    Activated = true;
    TWindowPlacement::Load(this, QStringLiteral("TPreviewForm"));
    Preview->Start(Stream);
    if (InitialZoom == izWholePage)
        Preview->ZoomPage();
    else if (InitialZoom == izPageWidth)
        Preview->ZoomPageWidth();
    else
        Preview->SetZoomFactor(InitialZoom);
    PrintButton->setVisible(bool(OnPrintPages));
    const bool severalPages = Preview->PageCount() >= 2;
    for (QToolButton* button : NavigationButtons)
        button->setVisible(severalPages);
    UpdateTitle();
    Preview->setFocus();
}

void TPreviewForm::keyPressEvent(QKeyEvent* event)
{
    // The arrows scroll the page wherever the focus is, as they would in the page itself.
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        Preview->ScrollStep(event->key() == Qt::Key_Up ? -1 : 1);
    else
        QDialog::keyPressEvent(event);
}

void TPreviewForm::PrintButtonClick()
{
    int from = 1, to = 1;
    if (OnPrintPages && Stream && TPrintPagesForm::Ask(this, Stream->PageCount(), &from, &to))
        OnPrintPages(from, to);
}

bool TPreviewForm::NavigationVisible() const
{
    return !NavigationButtons.front()->isHidden();
}

void TPreviewForm::UpdateTitle()
{
    if (!Preview->Active())
        return;
    setWindowTitle(QStringLiteral("Preview Page %1 of %2 ( %3% )")
                       .arg(Preview->CurrentPage() - Preview->FirstPage() + 1)
                       .arg(Preview->PageCount())
                       .arg(std::lround(Preview->ZoomFactor())));
}

void TPreviewForm::done(int result)
{
    if (Preview->Active())
        Preview->Finish();
    if (Activated)
        TWindowPlacement::Save(this, QStringLiteral("TPreviewForm"));
    QDialog::done(result);
}
