#pragma once
#include <QWidget>

class QLabel;

namespace verdika::ui {

class PageHost;

// The page "Vypořádání manželů": a picture of the settlement workbook; a click
// (or the button) provides the workbook in the data directory and opens it in
// the desktop's spreadsheet program.
class SettlementPage : public QWidget {
    Q_OBJECT
public:
    explicit SettlementPage(PageHost& host, QWidget* parent = nullptr);

    void Image1Click();
    QLabel* image() const { return image_; }

private:
    PageHost& host_;
    QLabel* image_;  // Image1
};

}  // namespace verdika::ui
