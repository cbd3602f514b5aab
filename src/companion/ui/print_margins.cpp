#include "companion/ui/print_margins.h"

#include <QPageLayout>
#include <QPrinter>
#include <QTextDocument>
#include <QTextEdit>
#include <QVariant>

namespace verdika::ui {

namespace {
constexpr const char* kProperty = "verdika_print_margins";
}

void Okraje_Richedit(QTextEdit* box, double left, double top, double right, double bottom) {
    if (box) box->setProperty(kProperty, QVariant::fromValue(QMarginsF(left, top, right, bottom)));
}

QMarginsF printMarginsOf(const QTextEdit* box) {
    const QVariant v = box ? box->property(kProperty) : QVariant();
    return v.isValid() ? v.value<QMarginsF>() : QMarginsF(1.0, 1.0, 1.0, 1.0);
}

void printRichText(QTextEdit* box, QPrinter& printer) {
    printer.setPageMargins(printMarginsOf(box), QPageLayout::Inch);
    std::unique_ptr<QTextDocument> doc(box->document()->clone());
    // The box's own insets are for the screen; the printer's margins replace them.
    doc->setDocumentMargin(0);
    doc->print(&printer);
}

}  // namespace verdika::ui
