#include "THelpWindow.h"

#include "help/THelpPages.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QToolButton>
#include <QUrlQuery>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QPointer<THelpWindow> instance;
const QString searchScheme = QStringLiteral("search");
} // namespace

QVariant THelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == searchScheme)
        return THelpWindow::SearchResultsHtml(name.path());
    return QTextBrowser::loadResource(type, name);
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Quorvane Help"));
    Browser = new THelpBrowser;
    Browser->setOpenExternalLinks(false);
    BackButton = new QToolButton;
    BackButton->setText(QStringLiteral("Back"));
    ForwardButton = new QToolButton;
    ForwardButton->setText(QStringLiteral("Forward"));
    ContentsButton = new QToolButton;
    ContentsButton->setText(QStringLiteral("Contents"));
    SearchEdit = new QLineEdit;
    SearchEdit->setPlaceholderText(QStringLiteral("Search the help"));
    SearchEdit->setClearButtonEnabled(true);
    SearchButton = new QToolButton;
    SearchButton->setText(QStringLiteral("Search"));
    BackButton->setEnabled(false);
    ForwardButton->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(BackButton);
    bar->addWidget(ForwardButton);
    bar->addWidget(ContentsButton);
    bar->addStretch();
    bar->addWidget(SearchEdit, 1);
    bar->addWidget(SearchButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(Browser, 1);
    resize(640, 560);

    connect(BackButton, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardButton, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardButton, &QToolButton::setEnabled);
    connect(ContentsButton, &QToolButton::clicked, this, [this] { ShowPage(THelpPages::IndexPage()); });
    connect(SearchButton, &QToolButton::clicked, this, [this] { SearchFor(SearchEdit->text()); });
    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] { SearchFor(SearchEdit->text()); });
    connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(CurrentPage().isEmpty() ? QStringLiteral("Quorvane Help")
                                               : QStringLiteral("Quorvane Help - ") + THelpPages::Title(CurrentPage()));
    });
}

THelpWindow::~THelpWindow() = default;

THelpWindow* THelpWindow::Instance()
{
    if (!instance) {
        instance = new THelpWindow;
        instance->setAttribute(Qt::WA_DeleteOnClose);
        instance->setAttribute(Qt::WA_QuitOnClose, false); // an open help window never keeps the program running
    }
    return instance;
}

THelpWindow* THelpWindow::Existing() { return instance; }

void THelpWindow::PlaceBeside(QWidget* help, const QWidget* owner)
{
    const QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect beside = owner->frameGeometry();
    QSize size = help->size().boundedTo(area.size());
    int left = beside.right() + 1;
    if (left + size.width() > area.right() + 1)
        left = beside.left() - size.width();
    if (left < area.left())
        left = area.right() + 1 - size.width();
    const int top = std::clamp(beside.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    help->resize(size);
    help->move(left, top);
}

QUrl THelpWindow::PageUrl(const QString& page)
{
    return QUrl(QStringLiteral("qrc") + THelpPages::Folder() + page);
}

void THelpWindow::ShowPage(const QString& page)
{
    const QString name = page.section(QLatin1Char('#'), 0, 0);
    Browser->setSource(PageUrl(THelpPages::Pages().contains(name) ? page : THelpPages::IndexPage()));
}

void THelpWindow::SearchFor(const QString& words)
{
    if (words.simplified().isEmpty())
        return;
    QUrl url;
    url.setScheme(searchScheme);
    url.setPath(words.simplified());
    Browser->setSource(url, QTextDocument::HtmlResource);
}

QString THelpWindow::SearchResultsHtml(const QString& words)
{
    const QStringList found = THelpPages::Search(words);
    QString html = QStringLiteral("<html><body><h2>Search results</h2><p>Pages that mention <b>%1</b>:</p><ul>")
                       .arg(words.toHtmlEscaped());
    for (const QString& page : found)
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>").arg(PageUrl(page).toString(), THelpPages::Title(page).toHtmlEscaped());
    html += QStringLiteral("</ul>");
    if (found.isEmpty())
        html += QStringLiteral("<p>No page mentions all of these words. Try fewer or shorter words.</p>");
    return html + QStringLiteral("</body></html>");
}

QString THelpWindow::CurrentPage() const
{
    const QUrl source = Browser->source();
    if (source.scheme() == searchScheme)
        return QString();
    return source.path().section(QLatin1Char('/'), -1);
}
