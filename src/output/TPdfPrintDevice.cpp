#include "TPdfPrintDevice.h"

#include <QCoreApplication>
#include <QPdfWriter>

TPdfPrintDevice::TPdfPrintDevice()
    : Layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(), QPageLayout::Inch)
{
}

TPdfPrintDevice::~TPdfPrintDevice() = default;

QPagedPaintDevice* TPdfPrintDevice::Open(const TPrintSettings& settings, const QString& fileName)
{
    Writer = std::make_unique<QPdfWriter>(fileName);
    Writer->setResolution(int(kResolution));
    Writer->setTitle(settings.DocumentName);
    Writer->setCreator(QCoreApplication::applicationName());
    Layout = QPageLayout(settings.PageSize, settings.Orientation, QMarginsF(), QPageLayout::Inch);
    Layout.setMode(QPageLayout::FullPageMode);
    Writer->setPageLayout(Layout);
    return Writer.get();
}

bool TPdfPrintDevice::NewPage() { return Writer && Writer->newPage(); }

QString TPdfPrintDevice::PaperSource() const { return QStringLiteral("Automatically Select"); }
