#pragma once
// The wording choices of the interest petitions: the defendant and the
// claimant ("žalovaný" …, "žalobce" …) and the deadline to pay ("zaplatit do
// N dnů od" an event). Any change is told with `changed`, so the page can
// write the petitions anew.
#include <QWidget>

#include "interest/interest_report.h"

class QComboBox;
class QLineEdit;

namespace verdika::ui {

class RadioGroup;

class PetitionChoices : public QWidget {
    Q_OBJECT
public:
    explicit PetitionChoices(QWidget* parent = nullptr);
    interest::PetitionOptions options() const;

signals:
    void changed();

private:
    RadioGroup* debtor_;
    RadioGroup* creditor_;
    QLineEdit* days_;
    QComboBox* from_;
};

}  // namespace verdika::ui
