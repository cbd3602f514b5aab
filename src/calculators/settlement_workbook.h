#pragma once
// The spouses' settlement workbook "sjm_vypocet.xlsx": joint assets, joint
// debts, what each spouse paid between separate and joint property, and the
// result (each spouse's claim, what each takes over and the settlement
// payment). Built here so it can be reviewed and rebuilt; the build writes
// it beside the program and the page copies it into the data directory.
//
// The sheets are protected without a password (only the yellow input cells
// are open): an encrypted workbook cannot be written with libxlsxwriter, and a
// lock without a password only guards the formulas against slips.
#include <filesystem>
#include <string_view>

#include "companion/xlsx.h"

namespace verdika {

inline constexpr std::string_view kSettlementWorkbook = "sjm_vypocet.xlsx";
// The picture of the workbook the page shows.
inline constexpr std::string_view kSettlementPicture = "sjm_vypocet.png";

xlsx::Workbook settlementWorkbook();
// Writes the workbook through a temporary file; throws IoError naming it.
void writeSettlementWorkbook(const std::filesystem::path& file);

// Makes sure the data directory holds the workbook: copies the shipped one
// (or writes it, when the installation lacks it) unless the user's copy is
// already there, which is never replaced. The new copy is read-only, so the
// spreadsheet program opens it as a template and a filled-in case is saved
// under a new name. Returns the data directory's file.
std::filesystem::path provideSettlementWorkbook(const std::filesystem::path& programDir,
                                                const std::filesystem::path& dataDir);

}  // namespace verdika
