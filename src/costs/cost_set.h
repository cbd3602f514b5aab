#pragma once
// Set files of the costs sub-tabs ("Uložit sestavu", "Načíst sestavu"): the
// inputs as an INI file with the extension .vrd. Dates d.m.yyyy, booleans 1/0.
#include <filesystem>

#include "costs/calculation.h"

namespace verdika::costs {

// Acts are numbered 1 … n without gaps (rows with an empty date are left out),
// so loading finds all of them.
void saveMonetarySet(const std::filesystem::path& file, const MonetaryInput& in);
void saveNonMonetarySet(const std::filesystem::path& file, const NonMonetaryInput& in);

// The whole file is read before anything is returned: a missing or bad date,
// or a person count that is not 0 to 100, throws ConversionError naming the
// file and the key, and the page keeps what it shows. Acts come back empty
// when the file holds none ("pocet" 0): the page then keeps its act list.
// actDate is not stored and comes back as the default.
MonetaryInput loadMonetarySet(const std::filesystem::path& file);
NonMonetaryInput loadNonMonetarySet(const std::filesystem::path& file);

}  // namespace verdika::costs
