#pragma once
#include <QWidget>
#include <filesystem>
#include <optional>
#include <string_view>

#include "travel/trip.h"
#include "travel/ui/trip_statements.h"

class QCheckBox;

namespace verdika::ui {

class CarSettingsPanel;
class DistanceWindow;
class FavouritesWindow;
class PageHost;
class SummaryBox;
class TripFormPanel;
class TripListPanel;

// The page "Cestovné": one trip's travel costs with the rates of its day
// (sub-page "Cestovné": the trip form and the trip list), the summary
// ("Sumarizace"), the cars and own fuel prices ("Nastavení"). The page wires
// its regions and calls the travel core.
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

    // The trip list
    void Cestovne_Pridat_ButtonClick();
    void Cestovne_SGClick(int row);  // the row's date, reason, distance and half-hours into the form
    void Button61Click();            // "Načíst sestavu"
    void Cestovne_ulozitClick();     // "Uložit sestavu"

    // Sub-page "Sumarizace"
    void Button3Click();  // "Vložit do záložky TXT"

    DistanceWindow* distanceWindow() const { return distanceWindow_; }
    FavouritesWindow* favouritesWindow() const { return favouritesWindow_; }
    SummaryBox* summary() const { return summary_; }

    using CaptionAsker = TripStatements::CaptionAsker;
    static void setCaptionAsker(CaptionAsker asker) { TripStatements::setCaptionAsker(std::move(asker)); }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* buildTripPage();
    QWidget* buildSummaryPage();
    void connectTripPage();
    std::filesystem::path dataFile(std::string_view name) const;
    bool needResult();
    void showBeside(QWidget* window);

    PageHost& host_;
    TripFormPanel* form_ = nullptr;
    TripListPanel* list_ = nullptr;
    TripStatements* statements_ = nullptr;
    SummaryBox* summary_ = nullptr;
    QCheckBox* keepSummary_ = nullptr;
    CarSettingsPanel* settings_ = nullptr;
    DistanceWindow* distanceWindow_ = nullptr;
    FavouritesWindow* favouritesWindow_ = nullptr;
    std::optional<travel::TripResult> result_;
    bool shown_ = false;
};

}  // namespace verdika::ui
