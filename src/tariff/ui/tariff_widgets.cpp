#include "tariff/ui/tariff_widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "common/numbers.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

void paintKindItem(QPainter* painter, const QRect& rect, const QString& item, const QPalette& palette,
                   bool selected) {
    painter->save();
    painter->fillRect(rect, selected ? palette.highlight() : palette.base());
    const QStringList parts = item.split(QLatin1Char('|'));
    const int line = rect.left() + (rect.right() / 4) * 3;
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    const QRect nameRect(rect.left() + 3, rect.top(), line - rect.left() - 6, rect.height());
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(parts.value(0), Qt::ElideRight, nameRect.width()));
    painter->setPen(selected ? palette.highlightedText().color() : palette.mid().color());
    painter->drawLine(line, rect.top(), line, rect.bottom());
    if (parts.size() > 1) {
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        const QRect paragraphRect(line + 4, rect.top(), rect.right() - line - 4, rect.height());
        painter->drawText(paragraphRect, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(parts.value(1), Qt::ElideRight, paragraphRect.width()));
    }
    painter->restore();
}

void KindDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    paintKindItem(painter, option.rect, index.data(Qt::DisplayRole).toString(), option.palette,
                  (option.state & QStyle::State_Selected) != 0);
}

KindComboBox::KindComboBox(QWidget* parent) : QComboBox(parent) { setItemDelegate(new KindDelegate(this)); }

void KindComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0) paintKindItem(&painter, field, currentText(), palette(), false);
}

void KindComboBox::showPopup() {
    // The names are long: the open list is wider than the closed box.
    view()->setMinimumWidth(std::max(width(), 760));
    QComboBox::showPopup();
}

namespace {

class TariffValueFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit) return false;
        if (e->type() == QEvent::KeyRelease) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_V && (k->modifiers() & Qt::ControlModifier) && !edit->isReadOnly()) {
                const QString text = QApplication::clipboard()->text();
                if (Je_Cislo(ss(text))) edit->setText(text);
            }
            return false;
        }
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Home: case Qt::Key_End: case Qt::Key_Delete:
        case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_Return:
        case Qt::Key_Enter: case Qt::Key_Escape:
            // Keys that type no character move or leave the field as usual (Shift selects).
            return (k->modifiers() & Qt::ControlModifier) && k->key() == Qt::Key_Delete;
        case Qt::Key_Backspace:
            return (k->modifiers() & Qt::ControlModifier) != 0;
        default:
            break;
        }
        if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return true;
        const QString t = k->text();
        if (t.size() == 1 && (t[0].isDigit() && t[0].unicode() < 128)) return false;
        if (t == QStringLiteral(",")) return false;
        return !t.isEmpty() || k->key() == Qt::Key_Insert;  // Shift+Insert would paste
    }
};

}  // namespace

void installTariffValueFilter(QLineEdit* edit) {
    edit->installEventFilter(new TariffValueFilter(edit));
    edit->setContextMenuPolicy(Qt::NoContextMenu);  // no paste around the filter
    edit->setDragEnabled(false);
    edit->setAcceptDrops(false);
}

}  // namespace verdika::ui
