#pragma once
#include <QWidget>
#include <memory>
#include <vector>

#include "reference/institutions.h"

class QTableWidget;

namespace verdika::ui {

class CompetentCourtBox;
class CourtPrintWindow;
class InstitutionDetailsBox;
class InstitutionMapsBox;
class InstitutionSearchBox;
class InstitutionToolsBox;
class PageHost;

// The page "Adresy institucí": the directory of courts, prosecutor's offices
// and prisons, searched as the user types, the locally competent and the
// superior court, the address copied, printed or sent to the TXT page, and
// links to e-mail, the web and a map in the desktop's programs.
class InstitutionsPage : public QWidget {
    Q_OBJECT
public:
    // The map buttons of najit_soud_ButtonClick.
    enum class MapButton { Institution, InBrowser, Route, OtherAddress };

    explicit InstitutionsPage(PageHost& host, QWidget* parent = nullptr);
    ~InstitutionsPage() override;

    void Edit29Change();           // the search text changed
    void Button19Click();          // "Zobrazit všechny"
    void setCourtBoxes(bool on);   // "Všechny" / "Žádné" of the courts
    void setOfficeBoxes(bool on);  // "Všechny" / "Žádné" of the prosecutors and prisons
    void Button48Click();          // the locally competent court
    void Button8Click();           // "Nadřízený soud"
    void Kopirovat_Soud();         // the address into the print window and the clipboard
    void Button27Click();          // "Náhled adresy"
    void BitBtn33Click();          // "=>TXT"
    void Button32Click();          // "Export adres"
    void najit_soud_ButtonClick(MapButton button);
    void Button37Click();          // "Uložit adresu"
    void DBText7Click();           // e-mail
    void DBText9Click();           // web
    void DBGrid1CellClick(int row, int column);

    const std::vector<Institution>& rows() const { return rows_; }
    const Institution* current() const;
    CourtPrintWindow* printWindow() const { return print_; }

private:
    enum class ListSource { Other, Search };

    QWidget* buildGrid();
    void connectRegions();
    void fill(std::vector<Institution> rows, ListSource source);
    void showCurrent();
    void kindOrFieldChanged();
    bool needCurrent();
    QString mapLink(MapButton which);

    PageHost& host_;
    std::unique_ptr<InstitutionDirectory> directory_;
    std::vector<Institution> rows_;
    ListSource source_ = ListSource::Other;

    QTableWidget* grid_ = nullptr;  // DBGrid1
    InstitutionDetailsBox* details_ = nullptr;
    InstitutionSearchBox* search_ = nullptr;
    CompetentCourtBox* competent_ = nullptr;
    InstitutionToolsBox* tools_ = nullptr;
    InstitutionMapsBox* maps_ = nullptr;
    CourtPrintWindow* print_ = nullptr;  // TSoud_Print_Form
};

}  // namespace verdika::ui
