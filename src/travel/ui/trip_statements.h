#pragma once
// The statements of one trip and of the trip list: printed, as the PDF
// "PDF/cestovne.pdf" of the data directory (opened afterwards), as text for
// the page "TXT", and as the spreadsheet "Excel-export/cestovne.xlsx".
// Every one reports a failure as a message and writes nothing half-done.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "travel/trip_list.h"

class QWidget;

namespace verdika::ui {

class PageHost;

class TripStatements : public QObject {
    Q_OBJECT
public:
    // parent: the widget messages and dialogs belong to.
    TripStatements(PageHost& host, QWidget* parent);

    void printTrip(const travel::TripResult& trip);
    void tripPdf(const travel::TripResult& trip);
    void printList(const std::vector<travel::TripRow>& rows);
    void listPdf(const std::vector<travel::TripRow>& rows);
    // Asks whether to keep the TXT page's text, appends and shows that page.
    void listToTxt(const std::vector<travel::TripRow>& rows);
    void listToExcel(const std::vector<travel::TripRow>& rows);

    QString pdfPath() const;    // data directory + "PDF/cestovne.pdf"
    QString excelPath() const;  // data directory + "Excel-export/cestovne.xlsx"

    // The caption of the list statement ("Popisek tisku"); tests answer it.
    // An empty optional is a cancelled box.
    using CaptionAsker = std::function<std::optional<QString>(QWidget* parent)>;
    static void setCaptionAsker(CaptionAsker asker);

private:
    std::optional<QString> askCaption();
    // An empty list or a total that is not a number, said before any dialog.
    bool listCanBePrinted(const std::vector<travel::TripRow>& rows);

    PageHost& host_;
    QWidget* parent_;
};

// The question of both ways into the page "TXT": true keeps its text.
bool askKeepTxt(QWidget* parent);

}  // namespace verdika::ui
