#pragma once
// The option groups of the tariff page: the § 12 scaling, the appointed
// lawyer ("Speciální"), the percentage change and § 14b, each with its "x"
// and its highlight while chosen. § 14b and the appointed lawyer exclude
// each other.
#include <QWidget>

#include "tariff/tariff.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace verdika::ui {

class RadioGroup;

class TariffOptionsBox : public QWidget {
    Q_OBJECT
public:
    explicit TariffOptionsBox(QWidget* parent = nullptr);

    void readInto(tariff::TariffForm& form) const;
    // Sets every option as the user would, in the order a saved calculation
    // lists them, with the same highlights and exclusions.
    void setOptions(const tariff::TariffForm& form);

    bool par14b() const;
    void setPar14b(bool on);

    // Handlers, named as the controls and events.
    void Mimoradne_Zvyseni_RadioGroupClick();
    void Mimoradne_Zvyseni_ButtonClick();
    void Specialni_RadioGroupClick();
    void Specialni_ButtonClick();
    void Zvyseni_Procento_Tarif_RadioClick();
    void Zrusit_Upravy_TarifuClick();
    void FormularovaZaloba_CheckBoxClick();

private:
    QWidget* withClearButton(QWidget* group, QToolButton* clear, QList<QWidget*> side);
    QWidget* buildPercentage();
    QWidget* build14b();

    RadioGroup* scaling_;
    RadioGroup* appointment_;
    QGroupBox* percentageGroup_ = nullptr;
    QRadioButton* raise_ = nullptr;
    QRadioButton* lower_ = nullptr;
    QLineEdit* raiseEdit_ = nullptr;
    QLineEdit* lowerEdit_ = nullptr;
    QGroupBox* group14b_ = nullptr;
    QCheckBox* check14b_ = nullptr;
};

}  // namespace verdika::ui
