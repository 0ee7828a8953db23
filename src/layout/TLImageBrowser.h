// "Load Image File ": folders and the picture files of the current folder (the formats a
// layout picture can hold, PNG and GIF included), a preview of the chosen file, and the
// options "Stretch" and "AutoSize", which exclude each other. A file that cannot be read
// clears the preview and says "Error loading file!", whatever its format.
#pragma once

#include "TLPicture.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

class TLImageBrowser : public QDialog {
    Q_OBJECT
public:
    static const QStringList& FileMask();

    TLImageBrowser(bool stretch, bool autoSize, QWidget* parent = nullptr);

    // The folder shown; the browser opens in the one it showed last.
    QString Folder() const { return CurrentFolder; }
    void SetFolder(const QString& folder);
    // Shows `path` in the preview; false (and the error said) when it cannot be read.
    bool SelectFile(const QString& path);

    QString FileName() const { return ChosenFile; }
    const TLPicture& PreviewPicture() const { return Preview; }
    bool Stretch() const;
    bool AutoSize() const;

    QListWidget* FolderList() const { return Folders; }
    QListWidget* FileList() const { return Files; }
    QCheckBox* StretchBox() const { return StretchOption; }
    QCheckBox* AutoSizeBox() const { return AutoSizeOption; }
    QWidget* PreviewView() const { return View; }

private:
    void FolderListDblClick(QListWidgetItem* item);
    void FileListChange();

    QString CurrentFolder;
    QString ChosenFile;
    TLPicture Preview;
    QLabel* FolderLabel;
    QListWidget* Folders;
    QListWidget* Files;
    QCheckBox* StretchOption;
    QCheckBox* AutoSizeOption;
    QWidget* View;
};
