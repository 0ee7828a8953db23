#include "THelp.h"

#include "help/THelpPages.h"
#include "help/THelpWindow.h"
#include "help/TWhatsThisTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QWhatsThis>

namespace {
const char* const pageProperty = "helpPage";
const char* const appliedProperty = "whatsThisApplied";

// The caption as read: mnemonic "&" markers dropped, "&&" (a real ampersand) kept as one.
QString Caption(const QString& text)
{
    QString caption;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        caption += text[i];
    }
    return caption.trimmed();
}

// The caption a control is known by: its own text, or the label that names it.
QString CaptionOf(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return Caption(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return Caption(group->title());
    QWidget* window = control->window();
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == control)
            return Caption(label->text());
    for (QFormLayout* form : window->findChildren<QFormLayout*>())
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(control)))
            return Caption(label->text());
    return QString();
}

// Watches the whole program for F1, Shift+F1 and each window about to be shown the first time.
class THelpFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && !widget->property(appliedProperty).toBool())
                THelp::ApplyWhatsThis(widget);
        }
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1)
            return false;
        if (key->modifiers() == Qt::ShiftModifier) {
            QWhatsThis::enterWhatsThisMode();
            return true;
        }
        if (key->modifiers() != Qt::NoModifier)
            return false;
        THelp::ShowPageOf(static_cast<QWidget*>(watched));
        return true;
    }
};
} // namespace

void THelp::Install()
{
    static THelpFilter* filter = nullptr;
    if (filter)
        return;
    filter = new THelpFilter(qApp);
    qApp->installEventFilter(filter);
}

void THelp::ShowPage(const QString& page)
{
    THelpWindow* window = THelpWindow::Instance();
    // Asked from a modal window (a designer, a tool), the help window becomes that window's own
    // so it can be read and scrolled while the modal window stays open; it closes with it.
    QWidget* owner = QApplication::activeModalWidget();
    if (owner && owner != window->parentWidget()) {
        window->setParent(owner, Qt::Window);
        THelpWindow::PlaceBeside(window, owner);
    }
    window->ShowPage(page.isEmpty() ? THelpPages::IndexPage() : page);
    window->show();
    window->raise();
    window->activateWindow();
}

QString THelp::PageOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QString own = w->property(pageProperty).toString();
        if (!own.isEmpty())
            return own;
        if (w->isWindow()) {
            const QString page = THelpPages::PageForWindow(QString::fromLatin1(w->metaObject()->className()), w->windowTitle());
            if (!page.isEmpty())
                return page;
        }
    }
    return THelpPages::IndexPage();
}

void THelp::ShowPageOf(const QWidget* widget) { ShowPage(PageOf(widget)); }

void THelp::SetPage(QWidget* window, const QString& page) { window->setProperty(pageProperty, page); }

void THelp::ApplyWhatsThis(QWidget* window)
{
    window->setProperty(appliedProperty, true);
    const QString windowClass = QString::fromLatin1(window->metaObject()->className());
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->whatsThis().isEmpty())
            continue;
        const QString caption = CaptionOf(control);
        if (caption.isEmpty())
            continue;
        const QString text = TWhatsThisTexts::For(windowClass, caption);
        if (!text.isEmpty())
            control->setWhatsThis(text);
    }
#ifdef Q_OS_WIN
    // The title-bar "?" button exists only where the window manager draws one.
    if (qobject_cast<QDialog*>(window) && !window->isVisible())
        window->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
#endif
}
