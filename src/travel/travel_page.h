#pragma once
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "travel/trip.h"
#include "travel/trip_list.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTabWidget;

namespace verdika::ui {

class DistanceWindow;
class FavouritesWindow;
class PageHost;
class SummaryBox;

// The page "Cestovné": one trip's travel costs with the rates of its day
// (sub-page "Cestovné"), the summary ("Sumarizace"), the cars and own fuel
// prices ("Nastavení"), the trip list with its statements and exports.
class TravelPage : public QWidget {
    Q_OBJECT
public:
    explicit TravelPage(PageHost& host, QWidget* parent = nullptr);

    // Sub-page "Cestovné"
    void Cestovne_Vysledek_ButtonClick();   // OK: compute the trip
    void Cestovne_DateTimePickerChange();   // VAT rate fields for the date
    void Cestovne_vynulovat_ButtonClick();  // "Vynulovat"
    void Predpis_262_2000Click();
    void Nacti_Vdzalenost_ButtonClick();  // "Výchozí cesty"
    void Button28Click();                 // "Oblíbené cesty"
    void Cestovne_Tisk_ButtonClick();     // print the last result
    void Cestovne_PDF_ButtonClick();      // the same as PDF

    // The trip list
    void Cestovne_Pridat_ButtonClick();
    void Cestovne_Odstranit_ButtonClick();
    void Cestovne_Odstranit_Button_2Click();
    void Vys_ButtonClick(int step);  // -1 "výš", +1 "níž"
    void Cestovne_SGClick(int row);
    void Button61Click();          // "Načíst sestavu"
    void Cestovne_ulozitClick();   // "Uložit sestavu"
    void Cestovne_Tisk_Button_2Click();
    void Cestovne_PDF_Button_2Click();
    void Cestovne_TXT_ButtonClick();
    void Cestovne_Excel_ButtonClick();
    void recomputeListTotal();

    // Sub-page "Sumarizace"
    void Button3Click();  // "Vložit do záložky TXT"

    // Sub-page "Nastavení"
    void loadCarList();  // the car grid and the car box
    void Button87Click();  // "Přidat auto"
    void Button88Click();  // "Odstranit"
    void Button6Click();   // "Uložit" the own fuel prices

    // From the distance and favourite-trip windows.
    void setDistance(const QString& distance);
    void setDistanceAndHalfHours(const QString& distance, const QString& halfHours);

    const std::optional<travel::TripResult>& lastResult() const { return result_; }
    std::vector<travel::TripRow> listRows() const;
    QString pdfPath() const;   // data directory + "PDF/cestovne.pdf"
    QString excelPath() const; // data directory + "Excel-export/cestovne.xlsx"
    DistanceWindow* distanceWindow() const { return distanceWindow_; }
    FavouritesWindow* favouritesWindow() const { return favouritesWindow_; }
    SummaryBox* summary() const { return summary_; }

    // The caption of the list statement ("Popisek tisku"); tests answer it.
    // An empty optional is a cancelled box.
    using CaptionAsker = std::function<std::optional<QString>(QWidget* parent)>;
    static void setCaptionAsker(CaptionAsker asker);

private:
    QWidget* buildTripPage();
    QWidget* buildSummaryPage();
    QWidget* buildSettingsPage();
    travel::TripForm readForm() const;
    std::filesystem::path dataFile(std::string_view name) const;
    bool needResult();
    std::optional<QString> askCaption();
    bool answerKeepTxt();

    PageHost& host_;
    QTabWidget* subPages_ = nullptr;
    // Sub-page "Cestovné"
    QDateEdit* date_ = nullptr;
    QComboBox* reason_ = nullptr;
    QComboBox* cars_ = nullptr;
    QLineEdit* distance_ = nullptr;
    QLineEdit* halfHours_ = nullptr;
    QCheckBox* roundTrip_ = nullptr;
    QCheckBox* vatPayer_ = nullptr;
    QLineEdit* vatStandard_ = nullptr;
    QLineEdit* vatReduced_ = nullptr;
    QButtonGroup* priceSource_ = nullptr;
    QLineEdit* parking_ = nullptr;
    QLineEdit* accommodation_ = nullptr;
    QLineEdit* hours_ = nullptr;
    QLineEdit* days_ = nullptr;
    QButtonGroup* mealBound_ = nullptr;
    QLineEdit* mealsResult_ = nullptr;
    QLineEdit* totalResult_ = nullptr;
    QTableWidget* list_ = nullptr;
    QLabel* listTotal_ = nullptr;
    // Sub-page "Sumarizace"
    SummaryBox* summary_ = nullptr;
    QCheckBox* keepSummary_ = nullptr;
    // Sub-page "Nastavení"
    QTableWidget* carGrid_ = nullptr;
    QLineEdit* carName_ = nullptr;
    QLineEdit* carConsumption_ = nullptr;
    QComboBox* carFuel_ = nullptr;
    QLineEdit* own95_ = nullptr;
    QLineEdit* own91_ = nullptr;
    QLineEdit* own98_ = nullptr;
    QLineEdit* ownDiesel_ = nullptr;

    DistanceWindow* distanceWindow_ = nullptr;
    FavouritesWindow* favouritesWindow_ = nullptr;
    std::optional<travel::TripResult> result_;
};

}  // namespace verdika::ui
