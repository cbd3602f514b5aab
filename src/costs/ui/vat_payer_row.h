#pragma once
#include <QWidget>

#include "common/dates.h"

class QCheckBox;
class QDateEdit;
class QLabel;

namespace verdika::ui {

class PageHost;

// "Plátce DPH", the date that picks the VAT rate, the rate it picks and the
// tip. The box starts from the saved default and a click saves it; the rate
// follows the date and the box.
class VatPayerRow : public QWidget {
    Q_OBJECT
public:
    struct Names {
        QString check, date, rate, tip;
    };
    VatPayerRow(const Names& names, PageHost& host, QWidget* parent = nullptr);

    bool payer() const;
    Date date() const;
    // Loading a set file: the box's state is saved as a click would.
    void set(bool payer, Date date);

    // Lines the date up with the dates of a form whose captions are this wide.
    static constexpr int kSpacing = 6;
    int captionWidth() const;
    void setCaptionWidth(int width);

private:
    void showRate();

    PageHost& host_;
    QCheckBox* check_;
    QDateEdit* date_;
    QLabel* rate_;
};

}  // namespace verdika::ui
