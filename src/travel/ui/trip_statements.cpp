#include "travel/ui/trip_statements.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QPrinter>
#include <filesystem>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/ui/action.h"
#include "common/ui/desktop.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "travel/ui/statement_canvas.h"

namespace verdika::ui {

namespace {

TripStatements::CaptionAsker& captionAsker() {
    static TripStatements::CaptionAsker asker;
    return asker;
}

const QString kTitle = QStringLiteral("Cestovné");

}  // namespace

bool askKeepTxt(QWidget* parent) {
    return confirm(parent, QStringLiteral("Hodláte exportovat záznamy cestovného do záložky TXT.\r\n"
                                          "Přejete si ponechat předchozí obsah v záložce TXT? Stiskněte ano.\r\n"
                                          "Pokud stisknete ne, data budou předchozí data vymazána."));
}

TripStatements::TripStatements(PageHost& host, QWidget* parent) : QObject(parent), host_(host), parent_(parent) {}

void TripStatements::setCaptionAsker(CaptionAsker asker) { captionAsker() = std::move(asker); }

QString TripStatements::pdfPath() const { return qpath(host_.data().dataFile("PDF") / "cestovne.pdf"); }

QString TripStatements::excelPath() const {
    return qpath(host_.data().dataFile("Excel-export") / "cestovne.xlsx");
}

void TripStatements::printTrip(const travel::TripResult& trip) {
    QPrinter printer(QPrinter::HighResolution);
    if (!askPrinter(parent_, printer)) return;
    runAction(parent_, [&] {
        printStatement(printer, kTitle, [&](const travel::CanvasMetrics& m) { return travel::tripStatement(trip, m); });
    });
}

void TripStatements::tripPdf(const travel::TripResult& trip) {
    runAction(parent_, [&] {
        writeStatementPdf(pdfPath(), [&](const travel::CanvasMetrics& m) { return travel::tripStatement(trip, m); });
        openWithDesktop(pdfPath());
    });
}

std::optional<QString> TripStatements::askCaption() {
    if (captionAsker()) return captionAsker()(parent_);
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, QStringLiteral("Popisek tisku"),
                                               QStringLiteral("Zadejte svůj popisek tohoto (čílo spisu apod.)"),
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return text;
}

bool TripStatements::listCanBePrinted(const std::vector<travel::TripRow>& rows) {
    return runAction(parent_, [&] { travel::listStatement(rows, "", travel::CanvasMetrics{}); });
}

void TripStatements::printList(const std::vector<travel::TripRow>& rows) {
    if (!listCanBePrinted(rows)) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!askPrinter(parent_, printer)) return;
    const auto caption = askCaption();
    if (!caption) return;
    runAction(parent_, [&] {
        printStatement(printer, kTitle, [&](const travel::CanvasMetrics& m) {
            return travel::listStatement(rows, ss(*caption), m);
        });
    });
}

void TripStatements::listPdf(const std::vector<travel::TripRow>& rows) {
    if (!listCanBePrinted(rows)) return;
    const auto caption = askCaption();
    if (!caption) return;
    runAction(parent_, [&] {
        writeStatementPdf(pdfPath(), [&](const travel::CanvasMetrics& m) {
            return travel::listStatement(rows, ss(*caption), m);
        });
        openWithDesktop(pdfPath());
    });
}

void TripStatements::listToTxt(const std::vector<travel::TripRow>& rows) {
    QStringList lines;
    if (!runAction(parent_, [&] { lines = toQStringList(travel::listTextLines(rows)); })) return;
    const bool keep = askKeepTxt(parent_);
    host_.appendToTxt(lines, keep);
    host_.showPage(kTxtPage);
}

void TripStatements::listToExcel(const std::vector<travel::TripRow>& rows) {
    runAction(parent_, [&] {
        const QString path = excelPath();
        std::error_code ignored;  // a folder that cannot be made fails the export, with its message
        std::filesystem::create_directories(fspath(path).parent_path(), ignored);
        travel::exportList(fspath(path), rows);
        openWithDesktop(path);
    });
}

}  // namespace verdika::ui
