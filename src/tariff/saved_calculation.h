#pragma once
// A saved tariff calculation ("Uložit sestavu" / "Načíst sestavu"): the
// inputs of the page in an INI file with the extension "vrd", so a case can
// be recalculated later. Results are not stored.
#include <filesystem>
#include <string>
#include <vector>

#include "common/ini.h"
#include "tariff/tariff.h"

namespace verdika::tariff {

struct SavedCalculation {
    int kind = 0;                 // [nastaveni] druh_rizeni
    std::string tariffValue;      // tarifni_hodnota
    bool vatPayer = false;        // dph
    bool raiseOn = false;         // zvyseni_procento_bool
    bool lowerOn = false;         // snizeni_procento_bool
    std::string raiseText;        // zvyseni_procento_edit
    std::string lowerText;        // snizeni_procento_edit
    int special = -1;             // specialni_rizeni
    int extraordinary = -1;       // mimoradne_zvyseni
    bool par14b = false;          // formularova_zaloba
    std::vector<ActRow> acts;     // [ukon1] … with [ukony] pocet; empty on load: keep the page's list
    friend bool operator==(const SavedCalculation&, const SavedCalculation&) = default;
};

// Updates the file key by key (other keys stay). Acts with an empty date are
// not written; the rest are numbered 1, 2, … without gaps. Throws IoError.
void saveCalculation(const std::filesystem::path& file, const SavedCalculation& s);

// Every key read with its default, so any file (or none) loads. A count
// ("pocet") beyond the file's sections is cut to their number.
SavedCalculation loadCalculation(const std::filesystem::path& file);
SavedCalculation calculationFromIni(const IniFile& ini);

}  // namespace verdika::tariff
