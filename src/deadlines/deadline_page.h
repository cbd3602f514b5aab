#pragma once
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace verdika::ui {

class BlankDateEdit;
class PageHost;
class RadioGroup;
class UpDownField;

// The page "Lhůty": the last day of a time limit moved over weekends and
// public holidays, the possible enforceability, the appeal aid after a
// deposited letter and the difference of two dates.
class DeadlinePage : public QWidget {
    Q_OBJECT
public:
    explicit DeadlinePage(PageHost& host, QWidget* parent = nullptr);

    // The deadline computation (every change of its inputs, the quick
    // buttons, "Spočítat", and showing the page once the user computed).
    void DateTimePicker3Change();
    // The appeal aid.
    void DateTimePicker1Enter();
    // The difference of two dates.
    void Button4Click();

protected:
    void showEvent(QShowEvent* e) override;  // TabSheet10Show

private:
    QWidget* buildLimitBox(QWidget* content);
    QWidget* buildAidBox(QWidget* content);
    QWidget* buildDifferenceBox(QWidget* content);
    void quickButton(int units);
    // The end or enforceability handed to another page: computed first if the user has not yet.
    QDate computedDate(BlankDateEdit* result);
    QDate endDate() const;

    PageHost& host_;
    BlankDateEdit* start_ = nullptr;       // DateTimePicker3
    UpDownField* units_ = nullptr;         // UpDown3 with its edit Edit28
    QComboBox* unitCombo_ = nullptr;       // typ_lhuty_combo
    QCheckBox* suspension_ = nullptr;      // staveni_Checkbox
    QDateEdit* suspensionFrom_ = nullptr;  // DateTimePicker6
    QDateEdit* suspensionTo_ = nullptr;    // DateTimePicker7
    BlankDateEdit* end_ = nullptr;         // Konec_Lhuty_DateTimePicker
    QPlainTextEdit* endReasons_ = nullptr;
    QLineEdit* enforceDays_ = nullptr;     // Vykonatelnost_Edit
    BlankDateEdit* enforce_ = nullptr;     // Vykonatelnost_DateTimePicker
    QPlainTextEdit* enforceReasons_ = nullptr;
    BlankDateEdit* deposited_ = nullptr;   // DateTimePicker1
    RadioGroup* aidDays_ = nullptr;        // RadioGroup2
    QPlainTextEdit* aidMemo_ = nullptr;    // Lhuty_Memo
    QDateEdit* diffFrom_ = nullptr;        // Pocatek_Lhuty_Date
    QDateEdit* diffTo_ = nullptr;          // Konec_Lhuty_date
    QLabel* diffLabel_ = nullptr;          // Rozdil_Dat_Label
    // Results stay blank until the user first computes; from then on showing
    // the page brings them up to date.
    bool computed_ = false;
};

}  // namespace verdika::ui
