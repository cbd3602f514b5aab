#pragma once
#include <QWidget>
#include <array>

#include "tariff/tariff.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace verdika::ui {

class KindComboBox;
class PageHost;
class PetitionSection;
class RadioGroup;
class SummaryBox;

// The page "Advokátní tarif": the fee under decree 177/1996 Sb. for a list
// of acts, its summary with output, the claim petitions and saved
// calculations. The computation itself is the core's (tariff/tariff.h).
class TariffPage : public QWidget {
    Q_OBJECT
public:
    explicit TariffPage(PageHost& host, QWidget* parent = nullptr);

    // The last calculation (the petitions and copy buttons read it).
    const tariff::TAdvokatni_Tarif& calculation() const { return calc_; }
    SummaryBox* summary() const { return summary_; }

    // Handlers, named as the page's controls and events.
    void Tarif_VypocitatClick();
    void pridat_ukonClick(bool halfAct);
    void Button14Click();
    void Tarif_Druh_RizeniClick();
    void Hledat_TarifChange(bool next);
    void tarifni_hodnota_editChange();
    void Mimoradne_Zvyseni_RadioGroupClick();
    void Mimoradne_Zvyseni_ButtonClick();
    void Specialni_RadioGroupClick();
    void Specialni_ButtonClick();
    void Zvyseni_Procento_Tarif_RadioClick();
    void Zrusit_Upravy_TarifuClick();
    void FormularovaZaloba_CheckBoxClick();
    void Button2Click();
    void copyResult(int button);  // BitBtn49Click … BitBtn60Click: 0 … 11
    void Predpis_177_1996Click();
    void Tarif_Ulozit_ButtonClick();
    void Tarif_Nacist_ButtonClick();
    void Button84Click();
    void Tarif_Zalovany_RadioClick();
    void SavePetitButtonClick();
    void copyPetition(int index);  // BitBtn95Click … BitBtn97Click: 0 … 2

private:
    QWidget* buildBasicPage();
    QWidget* buildSummaryPage();
    QWidget* buildPetitionPage();
    QWidget* buildVariablesPage();
    void readSettings();
    void setPersons(int n);
    std::vector<tariff::ActRow> actRows() const;
    void setActRows(const std::vector<tariff::ActRow>& rows);
    void showResults();

    PageHost& host_;
    tariff::TAdvokatni_Tarif calc_;

    QTabWidget* subPages_ = nullptr;
    KindComboBox* kinds_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLabel* valueLabel_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLineEdit* persons_ = nullptr;
    QCheckBox* vatPayer_ = nullptr;
    RadioGroup* extraordinary_ = nullptr;
    RadioGroup* special_ = nullptr;
    QGroupBox* percentageGroup_ = nullptr;
    QRadioButton* raise_ = nullptr;
    QRadioButton* lower_ = nullptr;
    QLineEdit* raiseEdit_ = nullptr;
    QLineEdit* lowerEdit_ = nullptr;
    QGroupBox* group14b_ = nullptr;
    QCheckBox* check14b_ = nullptr;
    QGroupBox* actsGroup_ = nullptr;
    QDateEdit* date_ = nullptr;
    QComboBox* fullActs_ = nullptr;
    QComboBox* halfActs_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* compute_ = nullptr;
    std::array<QLineEdit*, 6> results_{};

    SummaryBox* summary_ = nullptr;
    QCheckBox* keepRecords_ = nullptr;

    PetitionSection* petition_ = nullptr;
};

}  // namespace verdika::ui
