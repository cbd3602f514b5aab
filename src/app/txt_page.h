#pragma once
#include <QStringList>
#include <QWidget>

class QPushButton;
class QTextEdit;

namespace verdika::ui {

class PageHost;
class SummaryBox;

// The page "TXT": summaries of several calculations collected in one box,
// saved, printed or written as a PDF together.
class TxtPage : public QWidget {
    Q_OBJECT
public:
    explicit TxtPage(PageHost& host, QWidget* parent = nullptr);
    void appendLines(const QStringList& lines, bool keepPrevious);
    SummaryBox* summary() const { return summary_; }
    QTextEdit* box() const;

private:
    PageHost& host_;
    SummaryBox* summary_;
};

}  // namespace verdika::ui
