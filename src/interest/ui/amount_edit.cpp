#include "interest/ui/amount_edit.h"

#include <QRegularExpression>

#include "common/numbers.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

namespace {

// The text without the thousands dots the field shows ("10.000,00"); a dot
// elsewhere is left for the parser to refuse.
std::string withoutGrouping(QString t) {
    t = t.trimmed();
    t.remove(QLatin1Char(' '));
    static const QRegularExpression grouped(QStringLiteral("^[+-]?\\d{1,3}(\\.\\d{3})+(,\\d*)?$"));
    if (grouped.match(t).hasMatch()) t.remove(QLatin1Char('.'));
    return ss(t);
}

}  // namespace

AmountEdit::AmountEdit(const QString& objectName, QWidget* parent) : QLineEdit(parent) {
    setObjectName(objectName);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValue(0);
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (auto v = tryParseDecimal(withoutGrouping(text()))) setValue(*v);
    });
}

double AmountEdit::value() const { return parseDecimal(withoutGrouping(text())); }

QString AmountEdit::formatted(double v) {
    QString s = qs(Format_Castky(v));
    s.chop(3);  // " Kč"
    return s;
}

void AmountEdit::setValue(double v) { setText(formatted(v)); }

}  // namespace verdika::ui
