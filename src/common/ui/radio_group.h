#pragma once
// A group box of radio buttons read by position: itemIndex() is the chosen
// item, -1 none. The buttons are named <group name>_<index>.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace verdika::ui {

// The option groups' highlight: light green while an option is chosen, the
// standard colour otherwise. The "highlighted" property tells tests.
void setGroupHighlight(QWidget* group, bool on);
inline bool isGroupHighlighted(const QWidget* group) { return group->property("highlighted").toBool(); }

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // The items fill `columns` columns row by row.
    RadioGroup(const QString& objectName, const QString& title, const QStringList& items, int columns,
               QWidget* parent = nullptr);
    int itemIndex() const;
    // -1 clears the selection. Does not emit itemClicked.
    void setItemIndex(int index);
    int count() const;
    QWidget* button(int index) const;

signals:
    void itemClicked(int index);  // the user chose an item

private:
    QButtonGroup* group_;
};

}  // namespace verdika::ui
