#pragma once
// A saved tariff calculation ("Uložit sestavu" / "Načíst sestavu"): the
// inputs of the page in an INI file with the extension "vrd", so a case can
// be recalculated later. Results are not stored.
//
// The file keeps the layout every version of the program reads and writes:
// the kind and the two option groups as item numbers (-1 for none), the
// percentage choice as two flags and the texts of the fields as typed.
#include <filesystem>

#include "common/ini.h"
#include "tariff/tariff.h"

namespace verdika::tariff {

// Updates the file key by key (other keys stay). Acts with an empty date are
// not written; the rest are numbered 1, 2, … without gaps. The persons and
// the page's date are not part of the file. Throws IoError.
void saveCalculation(const std::filesystem::path& file, const TariffForm& form);

// Every key read with its default, so any file (or none) loads: a missing or
// unknown kind or option is none, both percentage flags set mean the
// reduction and § 14b set clears the appointment (the later of each pair, as
// the page sets the controls in the file's order). The
// fields the file does not hold keep the values of TariffForm{}. A count
// ("pocet") beyond the file's sections is cut to their number.
TariffForm loadCalculation(const std::filesystem::path& file);
TariffForm calculationFromIni(const IniFile& ini);

}  // namespace verdika::tariff
