// The "New Record" dialog shown before adding when the city/state fill or the duplicate check
// is on: the names (duplicate check) and the ZIP (city/state fill). "Ok [PgDn]" (click, Page
// Down, Alt+O), Enter in the ZIP field, or leaving the first-name field while the ZIP is hidden
// close it; Enter in a name field moves on to the next field, as in the main window, so the
// duplicate check gets both names.
#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;
class QLabel;

struct TNewRecordValues {
    QString LastName;
    QString FirstName;
    QString Zip;
};

struct TNewRecordOptions {
    bool AskNames = false;
    bool AskZip = false;
    int LastNameWidth = 30;
    int FirstNameWidth = 30;
    int ZipWidth = 10;
};

class TNewRecordForm : public QDialog {
    Q_OBJECT
public:
    explicit TNewRecordForm(const TNewRecordOptions& options, QWidget* parent = nullptr);

    TNewRecordValues Values() const;
    static std::optional<TNewRecordValues> Ask(const TNewRecordOptions& options, QWidget* parent);

    QLineEdit* LastNameEdit = nullptr;
    QLineEdit* FirstNameEdit = nullptr;
    QLineEdit* ZipEdit = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TNewRecordOptions Options;
};
