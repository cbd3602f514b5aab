#pragma once
#include <QStringList>
#include <QWidget>

namespace verdika::ui {

class RadioGroup;

// Two exclusive options with the "x" button that clears the choice. The
// group is light green while an option is chosen.
class ChoiceGroup : public QWidget {
    Q_OBJECT
public:
    ChoiceGroup(const QString& groupName, const QString& clearName, const QStringList& items,
                QWidget* parent = nullptr);

    int index() const;  // -1 for none
    // Also the highlight; -1 clears.
    void setIndex(int index);
    RadioGroup* group() const { return group_; }

signals:
    void changed();  // by the user: an option or "x"

private:
    RadioGroup* group_;
};

}  // namespace verdika::ui
