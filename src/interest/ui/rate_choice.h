#pragma once
// The rate of the interest page: "Úrok" or "Poplatek" (RadioGroup1) and the
// box "Smluvní výše úroků" with the custom daily or annual rate and the
// length of the year. Choosing the late fee sets and locks the custom daily
// rate (interest::chooseMode).
#include <QWidget>
#include <string>

#include "interest/interest.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace verdika::ui {

class RadioGroup;

class RateChoice : public QWidget {
    Q_OBJECT
public:
    explicit RateChoice(QWidget* parent = nullptr);

    // Everything but "nejdříve na úrok", which sits with the payments.
    void readInto(interest::Options& options) const;
    void setOptions(const interest::Options& options);
    // The custom rate's fields as a computation filled them in.
    void showRates(const std::string& daily, const std::string& annual);
    // "Vynulovat": both rate fields empty and the custom rate off.
    void reset();

    QRadioButton* dailyRadio() const { return dailyRadio_; }

private:
    void modeClicked(int index);

    RadioGroup* mode_;
    QGroupBox* contractual_;
    QCheckBox* customRate_;
    QRadioButton* dailyRadio_;
    QRadioButton* annualRadio_;
    QLineEdit* dailyRate_;
    QLineEdit* annualRate_;
    QLineEdit* yearLength_;
};

}  // namespace verdika::ui
