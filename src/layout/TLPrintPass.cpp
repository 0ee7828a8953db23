#include "TLPrintPass.h"

#include "TLDataPanel.h"

TLPrintPass::TLPrintPass(TLDataPanel& panel, TLDataSource* data, TIMbSerialRun* serials)
    : Panel(panel), OldPrinting(panel.Printing), OldData(panel.DataSet), OldSerials(panel.SerialRun)
{
    if (data)
        Panel.DataSet = data;
    if (serials)
        Panel.SerialRun = serials;
    Panel.Printing = true;
    Panel.ResetCounters();
}

TLPrintPass::~TLPrintPass()
{
    Panel.Printing = OldPrinting;
    Panel.DataSet = OldData;
    Panel.SerialRun = OldSerials;
}

void TLPrintPass::PrintRecord(TBaseReport& report, TInches x, TInches y)
{
    if (Panel.DataSet)
        Panel.RefreshData();
    else
        Panel.ClearAllData();
    Panel.PrintObjects(report, x, y);
    Panel.AdvanceCounters();
}

void TLPrintPass::PrintAsIs(TBaseReport& report, TInches x, TInches y) { Panel.PrintObjects(report, x, y); }
