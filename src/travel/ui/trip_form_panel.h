#pragma once
// The inputs of one trip on the sub-page "Cestovné": the trip (date, reason,
// car, distance, half-hours), the fuel price, VAT, other expenses, the
// duration and the meal bound, read and written as a TripForm, with the
// trip's buttons and results (TripResultBox) under the duration. The page
// computes; the panel says what the user asked for.
#include <QDate>
#include <QStringList>
#include <QWidget>

#include "travel/trip.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace verdika::ui {

class RadioGroup;
class TripResultBox;
class UpDownField;

class TripFormPanel : public QWidget {
    Q_OBJECT
public:
    explicit TripFormPanel(QWidget* parent = nullptr);

    travel::TripForm form() const;
    // Writes every input. The date goes last, so the VAT rates of a new day
    // replace the form's.
    void setForm(const travel::TripForm& form);

    // The car box lists the car list's names; the first is chosen.
    void setCars(const QStringList& names);
    void setVatRates(const travel::VatRateTexts& rates);
    QDate date() const;
    QCheckBox* vatPayerBox() const { return vatPayer_; }
    TripResultBox* results() const { return results_; }
    void focusFirstInput();

signals:
    void dateChanged();
    void distanceTableClicked();  // "Výchozí cesty"
    void favouritesClicked();     // "Oblíbené cesty"

private:
    QWidget* buildTripBox();
    QLayout* buildExpenses();
    QVBoxLayout* buildDuration();
    void setKeyboardOrder();

    QDateEdit* date_ = nullptr;
    QComboBox* reason_ = nullptr;
    QComboBox* cars_ = nullptr;
    QLineEdit* distance_ = nullptr;
    QPushButton* distanceTable_ = nullptr;
    QPushButton* favourites_ = nullptr;
    QCheckBox* roundTrip_ = nullptr;
    UpDownField* halfHours_ = nullptr;
    RadioGroup* priceSource_ = nullptr;
    QCheckBox* vatPayer_ = nullptr;
    QLineEdit* vatStandard_ = nullptr;
    QLineEdit* vatReduced_ = nullptr;
    QLineEdit* parking_ = nullptr;
    QLineEdit* accommodation_ = nullptr;
    UpDownField* hours_ = nullptr;
    UpDownField* days_ = nullptr;
    RadioGroup* mealBound_ = nullptr;
    TripResultBox* results_ = nullptr;
};

}  // namespace verdika::ui
