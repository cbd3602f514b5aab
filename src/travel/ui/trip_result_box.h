#pragma once
// The buttons and results of one trip beside its inputs: "OK", "Vynulovat",
// the regulation, the meal allowance and the total with their copy buttons,
// and the statement of this trip (print, PDF). The page answers the buttons.
#include <QWidget>

#include "travel/trip.h"

class QPushButton;

namespace verdika::ui {

class ResultField;

class TripResultBox : public QWidget {
    Q_OBJECT
public:
    explicit TripResultBox(QWidget* parent = nullptr);

    void showResult(const travel::TripResult& r);
    // Both results "0", as before the first computation and after "Vynulovat".
    void showZero();

    QPushButton* computeButton() const { return compute_; }
    QPushButton* resetButton() const { return reset_; }

signals:
    void computeClicked();
    void resetClicked();
    void regulationClicked();
    void printClicked();
    void pdfClicked();

private:
    QPushButton* compute_;
    QPushButton* reset_;
    ResultField* meals_;
    ResultField* total_;
};

}  // namespace verdika::ui
