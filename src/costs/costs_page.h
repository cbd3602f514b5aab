#pragma once
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "costs/costs.h"

class QTabWidget;

namespace verdika::ui {

class MonetaryTab;
class NonMonetaryTab;
class PageHost;
class PetitionSection;
class SummaryBox;
class WordExportPanel;

// The tab "Náklady řízení - zrušeno": costs of proceedings under the repealed
// decree 484/2000 Sb. It holds the two calculation sub-tabs and what both
// feed: the last calculation's record, the summary, the petitions, the
// payment order and the Word export. The computations are the core's.
class CostsPage : public QWidget {
    Q_OBJECT
public:
    explicit CostsPage(PageHost& host, QWidget* parent = nullptr);

    PageHost& host() const { return host_; }
    const costs::TNaklady_rizeni& record() const { return record_; }
    SummaryBox* summary() const { return summary_; }
    MonetaryTab* monetary() const { return monetary_; }
    NonMonetaryTab* nonMonetary() const { return nonMonetary_; }

    // After a calculation of either sub-tab (its results already shown):
    // keeps the record (both sub-tabs' "123" buttons copy from it), refills
    // the petitions and writes the summary lines.
    // A days text that is not a whole number throws ConversionError before
    // the summary is written.
    void publish(const costs::TNaklady_rizeni& record, const std::vector<std::string>& summaryLines);

    // "Zobraz předpis 484/2000 Sb.": the version of the decree in force on the day.
    void showDecree(Date date);

    // Handlers, named as the controls and events.
    void zalovany_radioClick();  // refills the three petitions (throws ConversionError)
    void SavePetitButtonClick();
    void Button85Click();        // "Vložit do záložky TXT"
    void copyPetition(int index);
    void pickWordDocument();     // "1."
    void replaceInWord();        // "3."
    void Generovat_PRClick();
    void Button102Click();       // "Otevřít šablonu PR k editaci"

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildSummaryPage();
    QWidget* buildPetitionPage();
    QWidget* buildVariablesPage();
    void readSettings();
    void refillPetitions();  // the refill triggered by the options: shows its error itself

    PageHost& host_;
    costs::TNaklady_rizeni record_;
    QTabWidget* subPages_ = nullptr;
    MonetaryTab* monetary_ = nullptr;
    NonMonetaryTab* nonMonetary_ = nullptr;

    SummaryBox* summary_ = nullptr;

    PetitionSection* petition_ = nullptr;
    WordExportPanel* word_ = nullptr;
    bool shownOnce_ = false;
};

}  // namespace verdika::ui
