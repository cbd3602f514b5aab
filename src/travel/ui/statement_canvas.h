#pragma once
// Draws the travel statements (one trip, the trip list) on a printer or
// into a PDF: the core lays the texts out in millimetres from the fonts'
// measures on the device, this draws them page by page.
#include <QString>
#include <functional>

#include "travel/trip_list.h"

class QPagedPaintDevice;
class QPrinter;

namespace verdika::ui {

using StatementLayout = std::function<travel::CanvasDocument(const travel::CanvasMetrics&)>;

// The statements' typeface (Book Antiqua, or a Palatino-like face where it
// is missing).
QString statementFontFamily();

// Measures the fonts on the device, lays the statement out and draws it;
// millimetres become device pixels by the rounded pixels-per-millimetre.
void drawStatement(QPagedPaintDevice& device, const StatementLayout& layout);

// The statement as an A4 PDF without margins, written through a temporary
// file; throws IoError naming the file when it cannot be written.
void writeStatementPdf(const QString& path, const StatementLayout& layout);

// A print job on a printer the print dialog set up (the whole sheet is the canvas).
void printStatement(QPrinter& printer, const QString& title, const StatementLayout& layout);

}  // namespace verdika::ui
