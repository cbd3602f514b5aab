#pragma once
#include <QDate>
#include <QPointer>
#include <QWidget>
#include <filesystem>

#include "interest/interest_export.h"
#include "interest/interest_form.h"

class QCheckBox;

namespace verdika::ui {

class EntryList;
class PageHost;
class PetitionChoices;
class PreviewWindow;
class RateChoice;
class RateTableWindow;
class ResultGrid;
class TextPane;

// The page "Úroky": the debts and payments boxes, the rate, the actions, and
// the outputs (report, result grid, petitions). The regions hold the
// controls; the page reads them into an InterestForm and calls the core.
class InterestPage : public QWidget {
    Q_OBJECT
public:
    explicit InterestPage(PageHost& host, QWidget* parent = nullptr);
    // A due date handed over from the deadline page.
    void setDueDate(const QDate& date);

    // Actions of the page (the buttons call them; tests may too).
    void BitBtn9Click();  // OK: compute and write every output
    void Button12Click();  // "Vynulovat"
    void saveReport();     // "Uložit sestavu"
    void loadReport();     // "Načíst sestavu"
    void saveReportTo(const std::filesystem::path& file);
    void loadReportFrom(const std::filesystem::path& file);
    void Button39Click();  // "MS Excel"
    void openRateTable();  // "Zadat výši úrokových sazeb"

    // What the page holds now, as the computation reads it.
    interest::InterestForm readForm() const;

    // The last export file (empty before the first computation).
    std::filesystem::path lastExport() const { return lastExport_; }
    std::filesystem::path lastWorkbook() const { return lastWorkbook_; }
    RateTableWindow* rateTableWindow() const;
    PreviewWindow* previewWindow() const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* buildInputs();
    QWidget* buildActions();
    QWidget* buildOutputs();
    void connectRegions();

    void showComputation(const interest::Computation& r, const interest::PetitionOptions& petition);
    void clearOutputs();
    void rerunIfCase();  // the petition choices re-run a computation that has a case
    void showPreview(const QString& text);
    void printReport();
    void gridToTxt();

    PageHost& host_;
    interest::ExportCounter exportCounter_;
    std::filesystem::path lastExport_;
    std::filesystem::path lastWorkbook_;
    interest::Mode lastMode_ = interest::Mode::Interest;
    bool shownOnce_ = false;
    QPointer<RateTableWindow> rateWindow_;
    QPointer<PreviewWindow> preview_;

    EntryList* debts_ = nullptr;
    EntryList* payments_ = nullptr;
    QCheckBox* interestFirst_ = nullptr;
    RateChoice* rate_ = nullptr;
    TextPane* report_ = nullptr;
    ResultGrid* result_ = nullptr;
    PetitionChoices* petition_ = nullptr;
    TextPane* petition1_ = nullptr;
    TextPane* petition2_ = nullptr;
};

}  // namespace verdika::ui
