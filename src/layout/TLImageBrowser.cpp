#include "TLImageBrowser.h"

#include "TLDialogParts.h"

#include "prompts/TUserPrompts.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>
#include <QtEndian>

namespace {

QString& LastFolder()
{
    static QString folder;
    return folder;
}

// The chosen picture fitted into the box, keeping its proportions.
class TPreviewView : public QWidget {
public:
    TPreviewView(const TLPicture& picture, QWidget* parent) : QWidget(parent), Picture(picture)
    {
        setFixedSize(200, 200);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        PaintSampleBox(painter, rect());
        QSize size = Picture.IsBitmap() ? Picture.Image().size() : Picture.Size();
        if (Picture.Empty() || size.isEmpty())
            return;
        const QRect area = rect().adjusted(4, 4, -4, -4);
        if (size.width() > area.width() || size.height() > area.height())
            size.scale(area.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), size);
        target.moveCenter(area.center());
        Picture.Draw(painter, target);
    }

private:
    const TLPicture& Picture;
};

// A placeable or plain metafile header, or an enhanced metafile's signature.
bool LooksLikeMetafile(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() >= 22 && qFromLittleEndian<uint32_t>(data) == 0x9AC6CDD7u)
        return true;
    if (bytes.size() >= 18 && (qFromLittleEndian<uint16_t>(data) == 1 || qFromLittleEndian<uint16_t>(data) == 2)
        && qFromLittleEndian<uint16_t>(data + 2) == 9)
        return true;
    return bytes.size() >= 88 && qFromLittleEndian<uint32_t>(data) == 1 && qFromLittleEndian<uint32_t>(data + 40) == 0x464D4520u;
}

} // namespace

const QStringList& TLImageBrowser::FileMask()
{
    static const QStringList mask = {"*.BMP", "*.DIB", "*.JPG", "*.JIF", "*.PCX", "*.RLE", "*.TGA",
                                     "*.WMF", "*.ICO", "*.PNG", "*.GIF"};
    return mask;
}

TLImageBrowser::TLImageBrowser(bool stretch, bool autoSize, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Load Image File "));
    auto* layout = new QVBoxLayout(this);
    FolderLabel = new QLabel(this);
    FolderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(FolderLabel);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    Folders = new QListWidget(this);
    Files = new QListWidget(this);
    Folders->setMinimumSize(170, 220);
    Files->setMinimumSize(170, 220);
    View = new TPreviewView(Preview, this);
    grid->addWidget(new QLabel(QStringLiteral("Folders"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Files"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Preview"), this), 0, 2);
    grid->addWidget(Folders, 1, 0);
    grid->addWidget(Files, 1, 1);
    grid->addWidget(View, 1, 2, Qt::AlignTop);
    auto* mask = new QLabel(QStringLiteral("Files of type: %1").arg(FileMask().join(QLatin1Char(';'))), this);
    mask->setWordWrap(true);
    grid->addWidget(mask, 2, 0, 1, 3);
    StretchOption = new QCheckBox(QStringLiteral("Stretch"), this);
    AutoSizeOption = new QCheckBox(QStringLiteral("AutoSize"), this);
    StretchOption->setChecked(stretch && !autoSize);
    AutoSizeOption->setChecked(autoSize);
    auto* options = new QHBoxLayout;
    options->addWidget(StretchOption);
    options->addWidget(AutoSizeOption);
    options->addStretch();
    layout->addLayout(options);
    layout->addWidget(AddOkCancelButtons(this));

    connect(StretchOption, &QCheckBox::toggled, AutoSizeOption, [this](bool on) { AutoSizeOption->setChecked(!on); });
    connect(AutoSizeOption, &QCheckBox::toggled, StretchOption, [this](bool on) { StretchOption->setChecked(!on); });
    connect(Folders, &QListWidget::itemActivated, this, &TLImageBrowser::FolderListDblClick);
    connect(Files, &QListWidget::currentRowChanged, this, &TLImageBrowser::FileListChange);
    const QString start = LastFolder();
    SetFolder(!start.isEmpty() && QDir(start).exists() ? start : QDir::homePath());
}

void TLImageBrowser::SetFolder(const QString& folder)
{
    const QDir dir(folder);
    CurrentFolder = dir.absolutePath();
    LastFolder() = CurrentFolder;
    FolderLabel->setText(QDir::toNativeSeparators(CurrentFolder));
    const QSignalBlocker blockFiles(Files);
    Folders->clear();
    Files->clear();
    if (!dir.isRoot())
        Folders->addItem(QStringLiteral(".."));
    Folders->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    // Without QDir::CaseSensitive the mask matches "photo.jpg" as well as "PHOTO.JPG".
    Files->addItems(dir.entryList(FileMask(), QDir::Files, QDir::Name | QDir::IgnoreCase));
    ChosenFile.clear();
    Preview.Clear();
    View->update();
}

void TLImageBrowser::FolderListDblClick(QListWidgetItem* item)
{
    if (item)
        SetFolder(QDir(CurrentFolder).absoluteFilePath(item->text()));
}

void TLImageBrowser::FileListChange()
{
    const QListWidgetItem* item = Files->currentItem();
    if (item)
        SelectFile(QDir(CurrentFolder).absoluteFilePath(item->text()));
}

bool TLImageBrowser::SelectFile(const QString& path)
{
    ChosenFile = path;
    QString error;
    // A metafile is taken as its bytes; one without a metafile header is no picture either.
    const bool loaded = TLPicture::LoadFile(path, Preview, &error)
        && (Preview.Kind() != TLPicture::TKind::Metafile || LooksLikeMetafile(Preview.Data()));
    if (!loaded)
        Preview.Clear();
    View->update();
    if (!loaded)
        TUserPrompts::Current().Information(QStringLiteral("Error loading file!"));
    return loaded;
}

bool TLImageBrowser::Stretch() const { return StretchOption->isChecked(); }

bool TLImageBrowser::AutoSize() const { return AutoSizeOption->isChecked(); }
