#pragma once
#include <QWidget>

class QLineEdit;

namespace verdika::ui {

class PageHost;

// The page "Správní poplatky" (its tab is hidden): the administrative fees
// act on a public law-text site. The text opens in the desktop's browser,
// which keeps its own history and find; the page is the tool panel.
class AdminFeesPage : public QWidget {
    Q_OBJECT
public:
    explicit AdminFeesPage(PageHost& host, QWidget* parent = nullptr);

    QString startAddress() const;
    void DomuClick();              // "Domů": the act's start address
    void HledatClick();            // "Hledat v textu zákona"

protected:
    void showEvent(QShowEvent* e) override;  // TabSheet28Show: opens the act once

private:
    PageHost& host_;
    QLineEdit* address_;
    bool opened_ = false;
};

}  // namespace verdika::ui
