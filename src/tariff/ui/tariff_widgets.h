#pragma once
// Small widgets of the tariff page: a radio group with an item index (and no
// selection as -1), the kinds list drawn in two columns, and the key filter
// of the tariff value field.
#include <QComboBox>
#include <QGroupBox>
#include <QStyledItemDelegate>
#include <QStringList>

class QButtonGroup;
class QLineEdit;

namespace verdika::ui {

// The option groups' highlight: light green while an option is chosen, the
// standard colour otherwise. The "highlighted" property tells tests.
void setGroupHighlight(QWidget* group, bool on);
inline bool isGroupHighlighted(const QWidget* group) { return group->property("highlighted").toBool(); }

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
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

// Items "name|paragraph": the name left of a line at three quarters of the
// width, the paragraph right of it.
void paintKindItem(QPainter* painter, const QRect& rect, const QString& item, const QPalette& palette,
                   bool selected);

class KindDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The closed list shows the chosen item in the same two columns.
class KindComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit KindComboBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
    void showPopup() override;
};

// Typing into the tariff value field: digits, "," and Backspace only (the
// cursor keys still move); Ctrl+V replaces the whole field with the clipboard
// text, if that is a number.
void installTariffValueFilter(QLineEdit* edit);

}  // namespace verdika::ui
