// The help window: one page at a time in a QTextBrowser, with Back, Forward, the index
// ("Contents") and a search field whose results come as a page of links. One window serves
// the whole program; THelp::ShowPage brings it up on a page.
#pragma once

#include <QTextBrowser>
#include <QWidget>

class QLineEdit;
class QToolButton;

// Serves the search results as a page of their own ("search:words"), so Back returns to them.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);
    ~THelpWindow() override;

    // The window in use, made when first asked for.
    static THelpWindow* Instance();
    static THelpWindow* Existing(); // nullptr when none is open

    void ShowPage(const QString& page); // a file name of THelpPages, may carry "#anchor"
    void SearchFor(const QString& words);
    QString CurrentPage() const;        // file name of the page shown ("" for search results)

    // Moves `help` beside `owner` on the owner's screen (right of it when there is room, else
    // left, else over its right part), so the help does not hide what it explains.
    static void PlaceBeside(QWidget* help, const QWidget* owner);

    static QUrl PageUrl(const QString& page);
    static QString SearchResultsHtml(const QString& words);

    THelpBrowser* Browser = nullptr;
    QToolButton* BackButton = nullptr;
    QToolButton* ForwardButton = nullptr;
    QToolButton* ContentsButton = nullptr;
    QLineEdit* SearchEdit = nullptr;
    QToolButton* SearchButton = nullptr;
};
