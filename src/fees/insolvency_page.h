#pragma once
#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace verdika::ui {

class NumberField;
class PageHost;
class UpDownField;

// The page "Insolvenční správce - odměna": the administrator's fee for
// bankruptcy, debt relief and reorganisation at once, by version of the decree.
class InsolvencyPage : public QWidget {
    Q_OBJECT
public:
    explicit InsolvencyPage(PageHost& host, QWidget* parent = nullptr);

    void BitBtn15Click();  // the calculation
    void Button15Click();  // "Vynulovat"

private:
    QWidget* buildBankruptcyBox();
    QWidget* buildReorganisationBox();
    void versionChanged();
    std::string selectedPrefix() const;

    PageHost& host_;
    QLabel* caption_;
    QComboBox* version_;
    NumberField* secured_;
    NumberField* unsecured_;
    UpDownField* reliefMonths_;
    QLabel* beforeApprovalLabel_;
    UpDownField* beforeApproval_;
    NumberField* turnover_;
    UpDownField* reorganisationMonths_;
    QPushButton* compute_;
    QPushButton* reset_;
    QPlainTextEdit* bankruptcyMemo_;
    QPlainTextEdit* reorganisationMemo_;
    std::vector<std::string> prefixes_;
};

}  // namespace verdika::ui
