// "Create new database": asks for the new address table's base name (at most 8 characters, a
// letter or "_" followed by letters, digits or "_") and lets the user set the field widths for
// it through "Specify Field Lengths". The widths come from the settings each time the dialog
// opens; they are written back only when the field-length dialog asks to keep them for all new
// databases. The caller builds the path, checks that it is free and creates the table.
#pragma once

#include "data/TFieldLengths.h"

#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

struct TNewDatabaseChoice {
    QString Name; // no folder, no ".DBF"
    TFieldLengths Widths;
};

class TNewDatabaseForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxNameLength = 8;
    static constexpr const char* InvalidNameText =
        "Invalid name. Must start with A..Z, followed by A..Z,0..9 or \"_\" (underscore)";

    TNewDatabaseForm(QWidget* parent, const QString& proposedName);

    static std::optional<TNewDatabaseChoice> Execute(QWidget* parent, const QString& proposedName);

    static bool IsValidName(const QString& name);
    // "Specify Field Lengths": the field-length dialog, then the settings when it asks for that.
    void SpecifyFieldLengths();
    TNewDatabaseChoice Choice() const;

    QLineEdit* NameEdit = nullptr;
    QLabel* InvalidNameLabel = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* FieldLengthsButton = nullptr;

private:
    void NameChanged();

    TFieldLengths Widths;
};
