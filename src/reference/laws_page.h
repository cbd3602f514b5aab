#pragma once
#include <QWidget>

class QPlainTextEdit;

namespace verdika::ui {

class PageHost;

// The page "Zákony": law texts fetched by number.
class LawsPage : public QWidget {
    Q_OBJECT
public:
    explicit LawsPage(PageHost& host, QWidget* parent = nullptr);
    // The law-text memo the main window's find dialog searches.
    QPlainTextEdit* memo() const { return memo_; }

private:
    PageHost& host_;
    QPlainTextEdit* memo_;
};

}  // namespace verdika::ui
