#include "travel/ui/statement_canvas.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>
#include <filesystem>

#include "common/errors.h"
#include "common/files.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

QString statementFontFamily() {
    static const bool substituted = [] {
        // Book Antiqua is a Palatino design; these faces share its metrics closely.
        QFont::insertSubstitutions(QStringLiteral("Book Antiqua"),
                                   {QStringLiteral("Palatino Linotype"), QStringLiteral("P052"),
                                    QStringLiteral("URW Palladio L"), QStringLiteral("TeX Gyre Pagella"),
                                    QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        return true;
    }();
    (void)substituted;
    return QStringLiteral("Book Antiqua");
}

namespace {

QFont statementFont(double points, bool bold) {
    QFont f(statementFontFamily());
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setStyleHint(QFont::Serif);
    return f;
}

}  // namespace

void drawStatement(QPagedPaintDevice& device, const StatementLayout& layout) {
    // Millimetres to device pixels, each axis by its own rounded factor.
    const double px = std::round(device.logicalDpiX() / 25.4);
    const double py = std::round(device.logicalDpiY() / 25.4);
    const QFont body = statementFont(12, false);
    const QFont title = statementFont(15, true);
    const QFontMetricsF bodyMetrics(body, &device);
    const QFontMetricsF titleMetrics(title, &device);

    travel::CanvasMetrics m;
    m.line = bodyMetrics.height() / py;
    m.titleLine = titleMetrics.height() / py;
    m.labelWidth = bodyMetrics.horizontalAdvance(QStringLiteral("Počet zameškaných půlhodin:")) / px;
    const travel::CanvasDocument doc = layout(m);

    QPainter painter(&device);
    if (!painter.isActive()) throw IoError("Tiskový výstup nelze zahájit.");
    for (size_t i = 0; i < doc.pages.size(); ++i) {
        if (i > 0) device.newPage();
        for (const auto& item : doc.pages[i].items) {
            switch (item.kind) {
                case travel::CanvasItem::Kind::TitleBox:
                    painter.fillRect(QRectF(item.x * px, item.y * py, (item.x2 - item.x) * px, (item.y2 - item.y) * py),
                                     QColor(204, 251, 134));
                    break;
                case travel::CanvasItem::Kind::Title:
                    painter.setFont(title);
                    painter.setPen(Qt::black);
                    painter.drawText(QPointF(item.x * px, item.y * py + titleMetrics.ascent()), qs(item.text));
                    break;
                case travel::CanvasItem::Kind::Text:
                    painter.setFont(body);
                    painter.setPen(Qt::black);
                    painter.drawText(QPointF(item.x * px, item.y * py + bodyMetrics.ascent()), qs(item.text));
                    break;
            }
        }
    }
    painter.end();
}

void writeStatementPdf(const QString& path, const StatementLayout& layout) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setResolution(254);  // 10 pixels per millimetre
        writer.setTitle(QStringLiteral("Cestovní náklady a ztráta času"));
        writer.setCreator(QStringLiteral("Verdika"));
        drawStatement(writer, layout);
    }
    if (pdf.data().isEmpty()) throw IoError("PDF nelze zapsat do souboru " + ss(path) + ".");
    const std::filesystem::path target = fspath(path);
    std::error_code ignored;  // a folder that cannot be made fails the write, with its message
    std::filesystem::create_directories(target.parent_path(), ignored);
    writeFileAtomic(target, std::string_view(pdf.data().constData(), static_cast<size_t>(pdf.data().size())));
}

void printStatement(QPrinter& printer, const QString& title, const StatementLayout& layout) {
    printer.setFullPage(true);
    printer.setDocName(title);
    drawStatement(printer, layout);
}

}  // namespace verdika::ui
