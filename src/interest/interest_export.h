#pragma once
// The exports of an interest computation: the export table saved as a CSV
// file in the data directory's folder "Excel-export", and the spreadsheet
// (.xlsx) built from the last such file.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "companion/xlsx.h"
#include "interest/interest.h"

namespace verdika::interest {

// Names the export files of one run of the program: folder + "YYYY-MM-DD" +
// "_export_" + n + ".csv", n counting from 1 and skipping names that exist.
class ExportCounter {
public:
    std::filesystem::path nextCsv(const std::filesystem::path& folder, Date today);
    int value() const { return n_; }

private:
    int n_ = 0;
};

// Writes the export table (Windows-1250, CR LF) under a new name and returns
// it; the folder is created when missing. Throws IoError.
std::filesystem::path writeExportCsv(const std::filesystem::path& folder, Date today, ExportCounter& counter,
                                     const std::vector<std::string>& lines);

// One line of the export table split at ";" (double quotes enclose a field).
std::vector<std::string> splitCsvLine(std::string_view line);

// The workbook for the lines of a CSV export file, sheet "Úroky", laid out as
// the export table with its formats (header, currency ranges, bold closing
// rows, the summary).
xlsx::Workbook interestWorkbook(const std::vector<std::string>& csvLines, Mode mode);
// The same from the file; throws IoError when it cannot be read or the workbook written.
void writeInterestWorkbook(const std::filesystem::path& csvFile, Mode mode, const std::filesystem::path& xlsxFile);

// The workbook's name beside the CSV file: same name, ".xlsx"; "_2", "_3", …
// appended when that file exists already (an earlier export may be open).
std::filesystem::path workbookPathFor(const std::filesystem::path& csvFile);

}  // namespace verdika::interest
