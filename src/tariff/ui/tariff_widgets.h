#pragma once
// Small widgets of the tariff page: the kinds list drawn in two columns and
// the key filter of the tariff value field.
#include <QComboBox>
#include <QStyledItemDelegate>
#include <QStringList>

class QLineEdit;

namespace verdika::ui {

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
