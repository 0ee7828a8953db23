#include "TQtUserPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPointer>

namespace {
QPointer<QWidget> parentWindow;
} // namespace

void TQtUserPrompts::SetParentWindow(QWidget* parent) { parentWindow = parent; }
QWidget* TQtUserPrompts::ParentWindow() { return parentWindow; }

// A box opens over the window that asked: the modal window in front (a designer, a tool) when
// there is one, else the main window, else whichever of ours is active. A box parented on the
// main window while a modal designer is open would open behind that designer.
QWidget* TQtUserPrompts::DialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* main = ParentWindow())
        return main;
    return QApplication::activeWindow();
}

void TQtUserPrompts::Information(const QString& text)
{
    QMessageBox::information(DialogParent(), QStringLiteral("Information"), text);
}

bool TQtUserPrompts::Question(const QString& caption, const QString& text, TQuestionDefault defaultButton)
{
    const auto preferred = defaultButton == TQuestionDefault::qdNo ? QMessageBox::No : QMessageBox::Yes;
    return QMessageBox::question(DialogParent(), caption, text, QMessageBox::Yes | QMessageBox::No, preferred)
           == QMessageBox::Yes;
}

TYesNoCancel TQtUserPrompts::YesNoCancel(const QString& caption, const QString& text)
{
    switch (QMessageBox::question(DialogParent(), caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes: return TYesNoCancel::yncYes;
    case QMessageBox::No: return TYesNoCancel::yncNo;
    default: return TYesNoCancel::yncCancel;
    }
}

QString TQtUserPrompts::OpenFileName(const QString& caption, const QString& directory, const QString& filter)
{
    return QFileDialog::getOpenFileName(DialogParent(), caption, directory, filter);
}

QString TQtUserPrompts::SaveFileName(const QString& caption, const QString& directory, const QString& filter)
{
    return QFileDialog::getSaveFileName(DialogParent(), caption, directory, filter);
}

QString TQtUserPrompts::SaveFileNameUnconfirmed(const QString& caption, const QString& directory, const QString& filter)
{
    return QFileDialog::getSaveFileName(DialogParent(), caption, directory, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void TQtUserPrompts::CaptionedInformation(const QString& caption, const QString& text)
{
    QMessageBox::information(DialogParent(), caption, text);
}

std::optional<QFont> TQtUserPrompts::ChooseFont(const QFont& initial)
{
    bool accepted = false;
    QFont font = QFontDialog::getFont(&accepted, initial, DialogParent());
    return accepted ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<QColor> TQtUserPrompts::ChooseColor(const QColor& initial)
{
    QColor color = QColorDialog::getColor(initial, DialogParent());
    return color.isValid() ? std::optional<QColor>(color) : std::nullopt;
}
