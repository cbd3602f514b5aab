#pragma once
#include <QWidget>

class QDateEdit;
class QLineEdit;
class QRadioButton;

namespace verdika::ui {

class PageHost;
class ResultField;

// The page "Zadostiučinění": compensation for unreasonably long proceedings.
class CompensationPage : public QWidget {
    Q_OBJECT
public:
    explicit CompensationPage(PageHost& host, QWidget* parent = nullptr);

    void Zadostiucineni_ButtonClick();
    // "x": no percentage adjustment.
    void Button62Click();

    // The last computed values, unrounded, for the plain-number copies.
    double compensation() const;
    double adjusted() const;

private:
    PageHost& host_;
    QDateEdit* from_ = nullptr;         // DateTimePicker5
    QDateEdit* to_ = nullptr;           // DateTimePicker9
    QLineEdit* base_ = nullptr;         // Edit2
    QRadioButton* increase_ = nullptr;  // Zadostiucineni_Zvysit_RadioButton
    QRadioButton* decrease_ = nullptr;  // Zadostiucineni_Snizit_RadioButton
    QLineEdit* increaseBy_ = nullptr;   // Edit7
    QLineEdit* decreaseBy_ = nullptr;   // Edit8
    QLineEdit* duration_ = nullptr;     // Edit6
    ResultField* result_ = nullptr;          // Edit5
    ResultField* resultAdjusted_ = nullptr;  // Edit4
};

}  // namespace verdika::ui
