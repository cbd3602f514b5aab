#pragma once
#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace verdika::ui {

class PageHost;

// The page "Zákony": the full text of a law fetched by its number, the
// history of laws looked up, search in the text and the export to a
// word-processor document.
class LawsPage : public QWidget {
    Q_OBJECT
public:
    explicit LawsPage(PageHost& host, QWidget* parent = nullptr);
    // The law-text memo the main window's find dialog searches.
    QPlainTextEdit* memo() const { return memo_; }

    // Fetches the law and shows it; false when nothing new could be shown
    // (the previous text stays and the user was told why).
    bool zakon_nacist_ButtonClick(const QString& lawId);
    void Button71Click();  // "Hledání v předpise"
    void Button72Click();  // "x": clears the history on screen
    void Button73Click();  // "Export WORD"

    void setDownloadTimeoutMs(int ms) { timeoutMs_ = ms; }

signals:
    // The find dialog, with the text to look for (empty: keep the last one).
    void findRequested(const QString& text);

private:
    QWidget* buildToolRows();
    void showHistory();

    PageHost& host_;
    QLineEdit* idEdit_;
    QPlainTextEdit* memo_;
    QListWidget* history_;
    QLabel* status_;
    std::vector<std::string> historyIds_;
    QString shownLaw_;  // the law whose text the memo holds
    int timeoutMs_ = 60000;
};

}  // namespace verdika::ui
