#include "TQtUserPrompts.h"

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

void TQtUserPrompts::Information(const QString& text)
{
    QMessageBox::information(ParentWindow(), QStringLiteral("Information"), text);
}

bool TQtUserPrompts::Question(const QString& caption, const QString& text, TQuestionDefault defaultButton)
{
    const auto preferred = defaultButton == TQuestionDefault::qdNo ? QMessageBox::No : QMessageBox::Yes;
    return QMessageBox::question(ParentWindow(), caption, text, QMessageBox::Yes | QMessageBox::No, preferred)
           == QMessageBox::Yes;
}

QString TQtUserPrompts::OpenFileName(const QString& caption, const QString& directory, const QString& filter)
{
    return QFileDialog::getOpenFileName(ParentWindow(), caption, directory, filter);
}

QString TQtUserPrompts::SaveFileName(const QString& caption, const QString& directory, const QString& filter)
{
    return QFileDialog::getSaveFileName(ParentWindow(), caption, directory, filter);
}

QString TQtUserPrompts::SaveFileNameUnconfirmed(const QString& caption, const QString& directory, const QString& filter)
{
    return QFileDialog::getSaveFileName(ParentWindow(), caption, directory, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void TQtUserPrompts::CaptionedInformation(const QString& caption, const QString& text)
{
    QMessageBox::information(ParentWindow(), caption, text);
}

std::optional<QFont> TQtUserPrompts::ChooseFont(const QFont& initial)
{
    bool accepted = false;
    QFont font = QFontDialog::getFont(&accepted, initial, ParentWindow());
    return accepted ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<QColor> TQtUserPrompts::ChooseColor(const QColor& initial)
{
    QColor color = QColorDialog::getColor(initial, ParentWindow());
    return color.isValid() ? std::optional<QColor>(color) : std::nullopt;
}
