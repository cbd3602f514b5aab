#pragma once
#include <QDate>
#include <QPointer>
#include <QWidget>
#include <filesystem>

#include "interest/interest.h"
#include "interest/interest_export.h"
#include "interest/interest_report.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTextEdit;
class QToolButton;

namespace verdika::ui {

class AmountEdit;
class PageHost;
class PreviewWindow;
class RateTableWindow;

// The page "Úroky": principals with their due dates, partial payments and
// the options of the late-interest computation; its report, result grid,
// petition wordings, exports and report files.
class InterestPage : public QWidget {
    Q_OBJECT
public:
    explicit InterestPage(PageHost& host, QWidget* parent = nullptr);
    // A due date handed over from the deadline page.
    void setDueDate(const QDate& date);

    // Actions of the page (the buttons call them; tests may too).
    void BitBtn9Click();                       // OK: compute and write every output
    void addDebt(bool nextMonth);              // "Přidat" / "Přidat stejné následující měsíc"
    void addPayment(bool nextMonth);
    void editDebt();                           // "Upravit záznam"
    void editPayment();
    void removeDebt();                         // "Odebrat řádek"
    void removePayment();
    void clearDebts();                         // "Vymazat"
    void clearPayments();
    void Button52Click();                      // "Vlož popis"
    void Button12Click();                      // "Vynulovat"
    void RadioGroup1Click();                   // interest or late fee
    void saveReport();                         // "Uložit sestavu"
    void loadReport();                         // "Načíst sestavu"
    void saveReportTo(const std::filesystem::path& file);
    void loadReportFrom(const std::filesystem::path& file);
    void Button39Click();                      // "MS Excel"
    void openRateTable();                      // "Zadat výši úrokových sazeb"

    // The last export file (empty before the first computation).
    std::filesystem::path lastExport() const { return lastExport_; }
    std::filesystem::path lastWorkbook() const { return lastWorkbook_; }
    RateTableWindow* rateTableWindow() const;
    PreviewWindow* previewWindow() const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void buildUi();
    QWidget* buildDebtsBox();
    QWidget* buildPaymentsBox();
    QWidget* buildOptions();
    QWidget* buildOutputs();
    QWidget* buildPetitionOptions(QWidget* parent);

    interest::Case readCase() const;
    interest::PetitionOptions readPetition() const;
    void writeDebtRows(const std::vector<interest::DebtRow>& rows);
    void writePaymentRows(const std::vector<interest::PaymentRow>& rows);
    void clearOutputs();
    void rerunIfCase();  // the petition choices re-run a computation that has a case
    void debtSelected(int row);
    void paymentSelected(int row);
    bool labelTaken(const QString& label, int exceptRow) const;
    void showPreview(const QString& text);
    void printReport();
    QStringList reportText() const;

    PageHost& host_;
    interest::ExportCounter exportCounter_;
    std::filesystem::path lastExport_;
    std::filesystem::path lastWorkbook_;
    interest::Mode lastMode_ = interest::Mode::Interest;
    QPointer<RateTableWindow> rateWindow_;
    QPointer<PreviewWindow> preview_;

    // Závazky
    AmountEdit* principal_ = nullptr;
    QDateEdit* due_ = nullptr;
    QDateEdit* until_ = nullptr;
    QComboBox* debtLabel_ = nullptr;
    QTableWidget* debts_ = nullptr;
    // Úhrady
    AmountEdit* payment_ = nullptr;
    QDateEdit* paymentDate_ = nullptr;
    QComboBox* paymentLabel_ = nullptr;
    QCheckBox* interestFirst_ = nullptr;
    QTableWidget* payments_ = nullptr;
    // Options
    QGroupBox* contractual_ = nullptr;
    QCheckBox* customRate_ = nullptr;
    QRadioButton* dailyRadio_ = nullptr;
    QRadioButton* annualRadio_ = nullptr;
    QLineEdit* dailyRate_ = nullptr;
    QLineEdit* annualRate_ = nullptr;
    QLineEdit* yearLength_ = nullptr;
    QRadioButton* interestMode_ = nullptr;
    QRadioButton* feeMode_ = nullptr;
    QButtonGroup* debtor_ = nullptr;
    QButtonGroup* creditor_ = nullptr;
    QLineEdit* deadlineDays_ = nullptr;
    QComboBox* deadlineEvent_ = nullptr;
    // Outputs
    QTextEdit* report_ = nullptr;
    QTableWidget* result_ = nullptr;
    QPlainTextEdit* petition1_ = nullptr;
    QPlainTextEdit* petition2_ = nullptr;
};

}  // namespace verdika::ui
