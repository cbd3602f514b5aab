#pragma once
#include <QGroupBox>
#include <vector>

#include "costs/costs.h"

namespace verdika::ui {

class ResultField;

// The group "Výsledek" of a calculation sub-tab: the amounts of the costs
// record, each with its two copy buttons. The plain number a "123" button
// copies always follows the record, i.e. the last calculation of either
// sub-tab, also after "Vynulovat" emptied the field.
class CostResults : public QGroupBox {
    Q_OBJECT
public:
    struct Field {
        const char* label;
        const char* name;        // the field
        const char* copyShown;   // its "Kč" button
        const char* copyNumber;  // its "123" button
        double (*value)(const costs::TNaklady_rizeni&);
        int row = 0, column = 0;  // column 0 or 1; the total spans both, below
        bool total = false;
        bool keptByReset = false;  // "Vynulovat" leaves it
    };
    CostResults(const QString& objectName, const std::vector<Field>& fields, QWidget* parent = nullptr);

    void showRecord(const costs::TNaklady_rizeni& record);
    // The record changed elsewhere: the numbers follow it, the texts stay.
    void followRecord(const costs::TNaklady_rizeni& record);
    void reset();  // "Vynulovat": empties the fields not kept

    ResultField* field(size_t index) const { return fields_[index]; }

private:
    std::vector<Field> specs_;
    std::vector<ResultField*> fields_;
};

}  // namespace verdika::ui
