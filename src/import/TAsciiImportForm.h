// "ASCII File Import": choose a delimited text file, see how it reads (encoding, delimiter and
// whether the first line names the columns, each detected and changeable, with a live preview
// of the sample), match its columns to address fields and import it.
#pragma once

#include "TImportForm.h"
#include "TImportMatch.h"
#include "TTextImportFile.h"

class QCheckBox;
class QComboBox;
class QTableWidget;

class TAsciiImportForm : public TImportForm {
    Q_OBJECT
public:
    TAsciiImportForm(QWidget* parent, TAddressTable& table);
    // The whole command inside the main window's import frame.
    static void Execute(QWidget* parent, const QString& databasePath);

    void SelectAsciiFileClick();
    bool LoadFile(const QString& path); // false: "Unable to import from this file" was shown
    void MatchFieldsClick();
    void ImportClick();
    const TImportMatch& Match() const { return Columns; }
    const TTextImportFile& File() const { return Text; }

    QComboBox* EncodingCombo = nullptr;
    QComboBox* DelimiterCombo = nullptr;
    QCheckBox* HeaderCheck = nullptr;
    QTableWidget* PreviewGrid = nullptr;

private:
    void FormatChanged();
    void ShowFormat();
    void ShowPreview();
    void SetButtons();

    TTextImportFile Text;
    TImportMatch Columns;
    bool Loaded = false;
    bool ShowingFormat = false;
};
