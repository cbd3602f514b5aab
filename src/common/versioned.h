#pragma once
// Dated tables: a section "novelizace" lists the amendment dates (d.m.yyyy,
// ascending); the version in force on a day is named by the latest date not
// later than that day, and the amendment's own day already belongs to it.
#include <filesystem>
#include <string>

#include "common/dates.h"
#include "common/ini.h"

namespace verdika {

// item 0 asks for the whole table; item k > 0 skips the amendments that did
// not change section k (no non-empty value under that amendment's date).
// A missing table or an empty "novelizace" throws a DataError naming the file.
std::string Platna_Novelizace(const IniFile& table, int item, Date date);
std::string Platna_Novelizace(const std::filesystem::path& table, int item, Date date);

// The amendment dates of a table, in file order (for notes such as
// "S účinností k datu …").
std::vector<std::string> amendmentDates(const IniFile& table);

}  // namespace verdika
