#pragma once
#include <QWidget>

#include "tariff/tariff.h"

class QPushButton;
class QTabWidget;

namespace verdika::ui {

class DeferredPage;
class TariffActList;
class PageHost;
class PetitionSection;
class ProceedingsBox;
class SummaryBox;
class TariffOptionsBox;
class TariffResultsBox;

// The page "Advokátní tarif": the fee under decree 177/1996 Sb. for a list
// of acts, its summary with output, the claim petitions and saved
// calculations. The page wires its regions (tariff/ui) and calls the core
// (tariff/tariff.h) with the form they fill.
class TariffPage : public QWidget {
    Q_OBJECT
public:
    explicit TariffPage(PageHost& host, QWidget* parent = nullptr);

    // The last calculation (the petitions read it).
    const tariff::TAdvokatni_Tarif& calculation() const { return calc_; }
    // The summary box, its sub-page made now if it was not yet.
    SummaryBox* summary();

    // The inputs as the controls hold them, and back as a loaded calculation
    // sets them (an empty act list keeps the page's list).
    tariff::TariffForm form() const;
    void setForm(const tariff::TariffForm& form);

    // Handlers, named as the page's controls and events.
    void Tarif_VypocitatClick();
    void Tarif_Druh_RizeniClick();
    void Button2Click();
    void Predpis_177_1996Click();
    void Tarif_Ulozit_ButtonClick();
    void Tarif_Nacist_ButtonClick();
    void Button84Click();
    void Tarif_Zalovany_RadioClick();
    void SavePetitButtonClick();

private:
    QWidget* buildBasicPage();
    QLayout* buildButtons(QWidget* page);
    QWidget* buildSummaryPage();
    QWidget* buildPetitionPage();
    QWidget* buildVariablesPage();
    void readSettings();
    void showCalculation(tariff::TariffResult result);

    PageHost& host_;
    tariff::TAdvokatni_Tarif calc_;
    bool computed_ = false;

    QTabWidget* subPages_ = nullptr;
    ProceedingsBox* head_ = nullptr;
    TariffOptionsBox* options_ = nullptr;
    TariffActList* acts_ = nullptr;
    TariffResultsBox* results_ = nullptr;
    QPushButton* compute_ = nullptr;

    DeferredPage* summaryPage_ = nullptr;
    DeferredPage* petitionPage_ = nullptr;
    SummaryBox* summary_ = nullptr;

    PetitionSection* petition_ = nullptr;
};

}  // namespace verdika::ui
