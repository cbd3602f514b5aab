#pragma once
#include <QWidget>

class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace verdika::ui {

class NumberField;
class ResultField;
class PageHost;

// The page "Soudní poplatky": the fee of a chosen item of the court-fee
// tariff, fixed or from the principal, in the version in force on a date.
class CourtFeePage : public QWidget {
    Q_OBJECT
public:
    explicit CourtFeePage(PageHost& host, QWidget* parent = nullptr);

    // The page's last result (the costs record's court fee).
    double courtFee() const;

    void Soudni_Poplatky_ListBoxClick();
    void Jistina_SoudniChange();
    void searchChanged();
    void searchNext();
    void Predpis_549_1991Click();

private:
    void computeFromPrincipal(bool showErrors);
    void showFee(double fee, bool listed);
    int selectedItem() const;
    void selectBySearch(int row);

    PageHost& host_;
    QListWidget* list_;
    QLineEdit* search_;
    QPushButton* searchNext_;
    NumberField* principal_;
    QDateEdit* date_;
    ResultField* result_;
    QLabel* note_;
    QPushButton* regulation_;
    std::vector<std::string> captions_;
    bool selectingBySearch_ = false;
};

}  // namespace verdika::ui
