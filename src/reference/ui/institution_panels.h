#pragma once
// The smaller regions of the institutions' page: the details of the chosen
// institution, the locally competent court, the tool buttons and the map
// addresses. Each shows what the page gives it and says what the user did.
#include <QGroupBox>
#include <QString>
#include <array>

#include "reference/institutions.h"

class QLabel;
class QLineEdit;

namespace verdika::ui {

class ClickableLabel;

// "Podrobnosti o instituci": name, street, postcode, town, phone, fax, and
// the e-mail and web addresses as links.
class InstitutionDetailsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit InstitutionDetailsBox(QWidget* parent = nullptr);
    void showInstitution(const Institution& institution);

signals:
    void emailClicked();  // DBText7
    void webClicked();    // DBText9

private:
    std::array<QLineEdit*, 6> fields_{};  // nazev, ulice, psc, mesto, telefon, fax
    ClickableLabel* email_;
    ClickableLabel* www_;
};

// "Místně příslušný soud": the defendant's municipality, "Najít", the
// municipality the shown court is competent for, "Nadřízený soud".
class CompetentCourtBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CompetentCourtBox(QWidget* parent = nullptr);
    QString municipality() const;  // trimmed
    void setMatched(const QString& municipality);

signals:
    void findClicked();      // Button48, or Enter in the field
    void superiorClicked();  // Button8

private:
    QLineEdit* municipality_;  // Edit17
    QLabel* matched_;          // DBText8
};

// "Nástroje": what can be done with the chosen institution or the list.
class InstitutionToolsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit InstitutionToolsBox(QWidget* parent = nullptr);

signals:
    void copyClicked();       // Button49 "=> Kopírovat adresu"
    void previewClicked();    // Button27 "Náhled adresy"
    void txtClicked();        // BitBtn33 "=>TXT"
    void mapClicked();        // najit_soud_Button
    void browserClicked();    // Najdi_Soud_Button2
    void lawClicked();        // Zakon_o_soudech_Button
    void exportClicked();     // Button32 "Export adres"
};

// "Vzdálenost k soudu" (the office's address, a route to the institution,
// "Uložit adresu") and "Najít na mapě" (any other address).
class InstitutionMapsBox : public QWidget {
    Q_OBJECT
public:
    explicit InstitutionMapsBox(QWidget* parent = nullptr);
    void setOffice(const QString& street, const QString& town);
    QString officeStreet() const;
    QString officeTown() const;
    QString otherStreet() const;
    QString otherTown() const;

signals:
    void routeClicked();        // Nalezt_Trasu_Button
    void saveOfficeClicked();   // Button37
    void otherClicked();        // najit_cizi_Button, or Enter in its fields

private:
    QLineEdit* officeStreet_;  // Ulice_Edit
    QLineEdit* officeTown_;    // Mesto_Edit
    QLineEdit* otherStreet_;   // ulice2_Edit
    QLineEdit* otherTown_;     // mesto2_edit
};

}  // namespace verdika::ui
