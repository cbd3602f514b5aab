#pragma once
#include <QStringList>
#include <QWidget>

class QTextEdit;

namespace verdika::ui {

class PageHost;

// The page "TXT": summaries of several calculations collected in one box.
class TxtPage : public QWidget {
    Q_OBJECT
public:
    explicit TxtPage(PageHost& host, QWidget* parent = nullptr);
    void appendLines(const QStringList& lines, bool keepPrevious);
    QTextEdit* box() const { return box_; }

private:
    PageHost& host_;
    QTextEdit* box_;
};

}  // namespace verdika::ui
