#pragma once
// The search of the institutions' page ("Vyhledávání"): the text, the field
// it is looked for in, the twelve type boxes with "Všechny" / "Žádné" for the
// courts and for the offices, and "Zobrazit všechny".
#include <QGroupBox>
#include <array>

#include "reference/institutions.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace verdika::ui {

class InstitutionSearchBox : public QGroupBox {
    Q_OBJECT
public:
    explicit InstitutionSearchBox(QWidget* parent = nullptr);

    QString text() const;
    SearchField field() const;
    KindSet kinds() const;
    QLineEdit* textEdit() const { return text_; }
    // "Všechny" / "Žádné" of the courts (the first six boxes) or the offices.
    void setCourtBoxes(bool on);
    void setOfficeBoxes(bool on);

signals:
    void textChanged();      // Edit29
    void criteriaChanged();  // the field or a type box
    void showAllClicked();   // "Zobrazit všechny"

private:
    void addKinds(QGridLayout* grid, int& row, const QString& title, int first, const char* allName,
                  const char* noneName);
    void setBoxes(int first, bool on);

    QLineEdit* text_;  // Edit29
    QButtonGroup* fields_;
    std::array<QCheckBox*, kInstitutionKinds> kindBoxes_{};
};

}  // namespace verdika::ui
