// "Configuration Information": the report a user sends when asking for technical support.
// One item per line, a tab after each label, filled from this machine: the system's name and
// version, processor, screen, font scaling, memory, language and country, date and time
// formats, the settings file and the aggressive-saving level. "Copy to Clipboard" and
// "Save As..." hand the text on; "OK" closes.
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

class TConfigurationInfoForm : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* Caption = "Configuration Information";

    explicit TConfigurationInfoForm(QWidget* parent = nullptr);

    static void Show(QWidget* parent);
    static QString ConfigurationText();
    // The colours a screen of `bitsPerPixel` shows; depths beyond 24 bits show no more.
    static qint64 ColourCount(int bitsPerPixel);

    void CopyToClipboard();
    void SaveAs();

    QPlainTextEdit* TextView = nullptr;
    QPushButton* CopyButton = nullptr;
    QPushButton* SaveAsButton = nullptr;
    QPushButton* OkButton = nullptr;
};
