#include "TAsciiImportForm.h"

#include "TAsciiMatch.h"
#include "TTextImportSource.h"

#include "data/TAddressTable.h"
#include "prompts/TUserPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace {
const TTextEncoding encodings[] = {TTextEncoding::teUtf8, TTextEncoding::teUtf16LE, TTextEncoding::teUtf16BE,
                                   TTextEncoding::teCp1252};
const char16_t delimiters[] = {u',', u';', u'\t'};
} // namespace

TAsciiImportForm::TAsciiImportForm(QWidget* parent, TAddressTable& table)
    : TImportForm(parent, table, QStringLiteral("ASCII File Import"), QStringLiteral("ASCII File Name"),
                  QStringLiteral("Select ASCII File"), true)
{
    EncodingCombo = new QComboBox;
    for (TTextEncoding encoding : encodings)
        EncodingCombo->addItem(TDelimitedTextFormat::EncodingName(encoding));
    DelimiterCombo = new QComboBox;
    for (char16_t delimiter : delimiters)
        DelimiterCombo->addItem(TDelimitedTextFormat::DelimiterName(QChar(delimiter)));
    HeaderCheck = new QCheckBox(QStringLiteral("First line holds column names"));
    PreviewGrid = new QTableWidget;
    PreviewGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PreviewGrid->verticalHeader()->setDefaultSectionSize(PreviewGrid->fontMetrics().height() + 8);
    PreviewGrid->setMinimumHeight(200);

    auto* group = new QGroupBox(QStringLiteral("File format"));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Encoding"), EncodingCombo);
    form->addRow(QStringLiteral("Delimiter"), DelimiterCombo);
    form->addRow(HeaderCheck);
    form->addRow(PreviewGrid);
    Body()->addWidget(group);

    connect(EncodingCombo, &QComboBox::currentIndexChanged, this, &TAsciiImportForm::FormatChanged);
    connect(DelimiterCombo, &QComboBox::currentIndexChanged, this, &TAsciiImportForm::FormatChanged);
    connect(HeaderCheck, &QCheckBox::toggled, this, &TAsciiImportForm::FormatChanged);
    connect(SelectButton, &QPushButton::clicked, this, &TAsciiImportForm::SelectAsciiFileClick);
    connect(MatchButton, &QPushButton::clicked, this, &TAsciiImportForm::MatchFieldsClick);
    connect(ImportButton, &QPushButton::clicked, this, &TAsciiImportForm::ImportClick);
    resize(640, 480);
    SetButtons();
}

void TAsciiImportForm::Execute(QWidget* parent, const QString& databasePath)
{
    auto table = OpenFrameTable(databasePath);
    if (!table)
        return;
    {
        TAsciiImportForm form(parent, *table);
        form.exec();
    }
    table->Close();
}

void TAsciiImportForm::SelectAsciiFileClick()
{
    const QString path = ChooseFile(QStringLiteral("Select ASCII File"), QStringLiteral("Text files, CSV Files (*.TXT *.CSV *.txt *.csv);;All files (*)"));
    if (!path.isEmpty())
        LoadFile(path);
}

bool TAsciiImportForm::LoadFile(const QString& path)
{
    const bool read = Text.Load(path);
    Loaded = read && Text.Accepted();
    if (!Loaded) {
        // A file that would not open says why; one that opened but holds nothing is refused.
        TUserPrompts::Current().Information(read ? QStringLiteral("Unable to import from this file") : Text.ErrorText());
        ShowFileName(QString());
        PreviewGrid->clear();
        SetButtons();
        return false;
    }
    ShowFileName(path);
    Columns = Text.NewMatch();
    ShowFormat();
    ShowPreview();
    SetButtons();
    return true;
}

void TAsciiImportForm::ShowFormat()
{
    ShowingFormat = true;
    const TDelimitedTextFormat& format = Text.Format();
    EncodingCombo->setCurrentIndex(static_cast<int>(std::find(std::begin(encodings), std::end(encodings), format.Encoding) -
                                                    std::begin(encodings)));
    DelimiterCombo->setCurrentIndex(static_cast<int>(
        std::find(std::begin(delimiters), std::end(delimiters), format.Delimiter.unicode()) - std::begin(delimiters)));
    HeaderCheck->setChecked(format.HeaderLine);
    ShowingFormat = false;
}

void TAsciiImportForm::FormatChanged()
{
    if (ShowingFormat || !Loaded)
        return;
    TDelimitedTextFormat format;
    format.Encoding = encodings[std::max(0, EncodingCombo->currentIndex())];
    format.Delimiter = QChar(delimiters[std::max(0, DelimiterCombo->currentIndex())]);
    format.HeaderLine = HeaderCheck->isChecked();
    Text.SetFormat(format);
    Columns = Text.NewMatch(); // other columns: the earlier match no longer means anything
    ShowPreview();
    SetButtons();
}

void TAsciiImportForm::ShowPreview()
{
    const std::vector<QStringList> rows = Text.DataRows();
    PreviewGrid->clear();
    PreviewGrid->setColumnCount(static_cast<int>(Text.Columns().size()));
    PreviewGrid->setRowCount(static_cast<int>(rows.size()));
    PreviewGrid->setHorizontalHeaderLabels(Text.Columns());
    for (size_t row = 0; row < rows.size(); ++row)
        for (qsizetype column = 0; column < rows[row].size() && column < Text.Columns().size(); ++column)
            PreviewGrid->setItem(static_cast<int>(row), static_cast<int>(column), new QTableWidgetItem(rows[row][column]));
    PreviewGrid->resizeColumnsToContents();
}

void TAsciiImportForm::SetButtons()
{
    MatchButton->setEnabled(Loaded);
    ImportButton->setEnabled(Loaded && Columns.AssignedCount() > 0);
    for (QWidget* control : {static_cast<QWidget*>(EncodingCombo), static_cast<QWidget*>(DelimiterCombo),
                             static_cast<QWidget*>(HeaderCheck)})
        control->setEnabled(Loaded);
}

void TAsciiImportForm::MatchFieldsClick()
{
    if (!Loaded)
        return;
    TAsciiMatch window(this, Text, Columns);
    if (ShowMatchWindow(window))
        Columns = window.Match();
    SetButtons();
}

void TAsciiImportForm::ImportClick()
{
    if (!Loaded || Columns.AssignedCount() == 0)
        return;
    if (QFileInfo(Text.Path()).canonicalFilePath() == QFileInfo(Table.Path()).canonicalFilePath()) {
        TUserPrompts::Current().Information(QStringLiteral("Cannot import a file to itself"));
        return;
    }
    std::unique_ptr<TTextImportSource> source;
    try {
        source = std::make_unique<TTextImportSource>(Text.Path(), Text.Format(), Columns);
    } catch (const TImportReadError&) {
        TUserPrompts::Current().Information(QStringLiteral("Unable to import from this file"));
        return;
    }
    RunImport(*source);
}
