// An address table for the label printing tests: one record per (last name, ZIP) pair, in the
// program folder of TLabelsTest; a layout of one address block printing the last name only, at
// the label's top-left corner, so each label is one clipped text whose clip starts at the
// label's place.
#pragma once

#include "LabelsTestEnvironment.h"

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "labels/TLabelPrinter.h"
#include "layout/TLAddressDataSource.h"
#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLLabelPanel.h"
#include "output/TPageStream.h"
#include "output/TReportFiler.h"

#include <memory>
#include <utility>
#include <vector>

// One label or separator as a page shows it.
struct TPrintedLabel {
    QString Text;
    TInchPoint Place;
};

class TLabelsPrintTest : public TLabelsTest {
protected:
    std::unique_ptr<TAddressTable> Table;
    std::unique_ptr<TLAddressDataSource> Data;
    TLLabelPanel Panel;

    void CreateTable(const std::vector<std::pair<QString, QString>>& people)
    {
        QDir().mkpath(TProgramFolder::DataFolder());
        const QString path = TProgramFolder::DataFolder() + "ADD0001.DBF";
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(path, TFieldLengths()));
        Table = TAddressTable::Open(path);
        ASSERT_NE(Table, nullptr);
        for (const auto& [name, zip] : people) {
            Table->Table().appendBlank();
            Table->SetFieldText("LNAME", name);
            Table->SetFieldText("ZIP", zip);
        }
        Table->Table().commit();
        Table->SetOrderTag(QString());
        Table->SetFilterText(QString());
        Table->Table().goTop();
        Data = std::make_unique<TLAddressDataSource>(*Table);
        Panel.DataSet = Data.get();
        auto block = std::make_unique<TLDMultiLineAddressLabel>();
        block->UseTitle = block->UseCompany = block->UseStreet = block->UseStreet2 = false;
        block->UseCityState = block->UseZip = block->UseCountry = false;
        block->SetBounds(0, 0, 150, 20);
        Panel.Adopt(std::move(block));
    }
    void CreateTable(int records)
    {
        std::vector<std::pair<QString, QString>> people;
        for (int n = 1; n <= records; ++n)
            people.emplace_back(QStringLiteral("P%1").arg(n), QStringLiteral("12345"));
        CreateTable(people);
    }

    // Runs the loop into a page stream; the printer's counts stay readable afterwards.
    TPageStream Print(TLabelPrinter& printer, const TLabelStock& stock)
    {
        TPageStream pages;
        TReportFiler job(pages);
        TLabelPrinter::SetUpPaper(job, stock);
        job.OnPrint = [&](TBaseReport& report) { printer.Print(report); };
        job.Execute();
        return pages;
    }

    static std::vector<TPrintedLabel> Labels(const TDisplayList& page)
    {
        std::vector<TPrintedLabel> labels;
        for (const TClippedTextOp& text : page.OfKind<TClippedTextOp>())
            labels.push_back({text.Text, {text.Clip.Left, text.Clip.Top}});
        return labels;
    }
    static QStringList Texts(const TPageStream& pages)
    {
        QStringList texts;
        for (int n = 1; n <= pages.PageCount(); ++n)
            for (const TPrintedLabel& label : Labels(pages.Page(n)))
                texts << label.Text;
        return texts;
    }
};
