#include "TLayoutWorkbench.h"

#include "TLStandardObjectEditing.h"

#include "TEnvelopePanel.h"
#include "TLAddressDataSource.h"
#include "TLLabelObjectFiler.h"
#include "TLObjectEditing.h"
#include "TLStreamError.h"
#include "TLayoutUnits.h"

#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

std::unique_ptr<TLObjectEditing> MakeObjectEditing() { return std::make_unique<TLStandardObjectEditing>(); }

int Pixels(double inches) { return int(std::lround(inches * TLayoutUnits::PixelsPerInch())); }

} // namespace

TLDesignerKind TLayoutWorkbench::KindOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toUpper();
    if (suffix == QLatin1String("E"))
        return TLDesignerKind::Envelope;
    if (suffix == QLatin1String("R"))
        return TLDesignerKind::Report;
    return TLDesignerKind::Label;
}

TLayoutWorkbench::TLayoutWorkbench(const QString& fileName, TLDesignerKind kind, QSize size, QWidget* parent)
    : QWidget(parent), FileName(fileName), Kind(kind), Editing(MakeObjectEditing())
{
    setWindowTitle(QStringLiteral("Layout workbench - ") + QFileInfo(fileName).fileName());
    Design = new TLayoutDesigner(kind, this);
    Design->SetObjectEditing(Editing.get());
    if (kind == TLDesignerKind::Report) {
        for (const TRPanelKind band : {TRPanelKind::rpkHeader, TRPanelKind::rpkDetail, TRPanelKind::rpkFooter}) {
            auto panel = std::make_unique<TReportPanel>(&Owner);
            panel->Kind = band;
            Panels.push_back(std::move(panel));
        }
        TLLabelObjectFiler().ReadReport(*Panels[0], *Panels[1], *Panels[2], Settings, fileName);
        const int width = size.isEmpty() ? Settings.PageWidth - Settings.LeftMargin - Settings.RightMargin -
                                               TLayoutUnits::PixelsPerInch() / 4
                                         : size.width();
        const int heights[] = {Settings.HeaderHeight, Settings.DetailHeight, Settings.FooterHeight};
        const char* captions[] = {"Header", "Detail", "Footer"};
        for (size_t i = 0; i < 3; ++i) {
            Panels[i]->SetSize(width, std::max(heights[i], 20));
            Design->AddWidget(new QLabel(QString::fromLatin1(captions[i])));
            Design->AddPanel(*Panels[i]);
        }
    } else {
        if (kind == TLDesignerKind::Envelope)
            Panels.push_back(std::make_unique<TEnvelopePanel>(&Owner));
        else
            Panels.push_back(std::make_unique<TLLabelPanel>(&Owner));
        const QSize usual = kind == TLDesignerKind::Envelope ? QSize(Pixels(9.5), Pixels(4.125))
                                                            : QSize(Pixels(2.625), Pixels(1.0));
        const QSize chosen = size.isEmpty() ? usual : size;
        Panels[0]->SetSize(chosen.width(), chosen.height());
        Panels[0]->LoadFromFile(fileName);
        Design->AddPanel(*Panels[0]);
    }
    Design->SetRecordMover([this](TLRecordStep step) { return Step(step); });

    Save = new QPushButton(QStringLiteral("Save"), this);
    Save->setVisible(false);
    connect(Save, &QPushButton::clicked, this, [this] { SaveLayout(); });
    connect(Design, &TLayoutDesigner::Changed, Save, [this] { Save->setVisible(true); });
    Status = new QLabel(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Status, 1);
    buttons->addWidget(Save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Design, 1);
    layout->addLayout(buttons);
    resize(900, 600);
}

TLayoutWorkbench::~TLayoutWorkbench()
{
    // The designer's views refer to the panels: it goes first.
    delete Design;
}

void TLayoutWorkbench::SetTable(TAddressTable* table)
{
    Table = table;
    Data = table ? std::make_unique<TLAddressDataSource>(*table) : nullptr;
    for (const auto& panel : Panels) {
        panel->DataSet = Data.get();
        panel->RefreshData();
    }
    Design->PanelsReset();
}

bool TLayoutWorkbench::Step(TLRecordStep step)
{
    if (!Table)
        return false;
    xbase::DbfTable& records = Table->Table();
    switch (step) {
    case TLRecordStep::First: records.goTop(); break;
    case TLRecordStep::Last: records.goBottom(); break;
    case TLRecordStep::Next:
        records.skip(1);
        if (records.eof())
            records.goBottom();
        break;
    case TLRecordStep::Previous:
        records.skip(-1);
        if (records.bof())
            records.goTop();
        break;
    }
    return true;
}

bool TLayoutWorkbench::SaveLayout()
{
    try {
        if (Kind == TLDesignerKind::Report) {
            // The bench does not size bands: the settings go back as they were read.
            for (const auto& panel : Panels)
                panel->ClearAllData();
            TLLabelObjectFiler().WriteReport(*Panels[0], *Panels[1], *Panels[2], Settings, FileName);
            for (const auto& panel : Panels)
                panel->RefreshData();
        } else {
            Panels[0]->SaveToFile(FileName);
        }
    } catch (const TLStreamError& error) {
        TUserPrompts::Current().Information(QString::fromStdString(error.what()));
        return false;
    }
    Save->setVisible(false);
    return true;
}
