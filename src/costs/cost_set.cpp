#include "costs/cost_set.h"

#include <algorithm>

#include "common/errors.h"
#include "common/files.h"
#include "common/ini.h"
#include "common/numbers.h"
#include "costs/lists.h"

namespace verdika::costs {
namespace {

constexpr const char* kSettings = "nastaveni";

void writeDate(IniFile& ini, const char* key, Date d) { ini.writeString(kSettings, key, formatDate(d)); }

void writeCommon(IniFile& ini, Date date, bool vatPayer, Date vatDate, int persons, bool courtFee, Date courtFeeDate,
                 std::optional<Dismissal> dismissal) {
    writeDate(ini, "ucinnost", date);
    ini.writeBool(kSettings, "platce_dph", vatPayer);
    writeDate(ini, "datum_dph", vatDate);
    ini.writeString(kSettings, "pocet_osob", std::to_string(persons));
    ini.writeBool(kSettings, "zapocitat_poplatek", courtFee);
    writeDate(ini, "datum_poplatek", courtFeeDate);
    ini.writeInteger(kSettings, "odmitnuti", choiceIndex(dismissal));
}

void writeActs(IniFile& ini, const std::vector<ActRow>& acts) {
    int count = 0;
    for (const ActRow& a : acts) {
        if (a.date.empty()) continue;
        const std::string section = "ukon" + std::to_string(++count);
        ini.writeString(section, "datum", a.date);
        ini.writeString(section, "popis", a.description);
        ini.writeString(section, "pu_pul", "");
    }
    ini.writeInteger("ukony", "pocet", count);
}

// Reading one set file: every value is checked, the first bad one names the file and key.
struct Reader {
    const IniFile& ini;
    std::string file;

    Date date(const char* key) const {
        const std::string text = ini.readString(kSettings, key);
        const auto d = tryParseDate(text);
        if (!d)
            throw ConversionError("Sestavu " + file + " nelze načíst: údaj „" + key + "“ („" + text +
                                  "“) není platné datum.");
        return *d;
    }
    template <typename E>
    std::optional<E> choice(const char* key) const {
        return choiceAt<E>(ini.readInteger(kSettings, key, -1));
    }
    bool flag(const char* key) const { return ini.readBool(kSettings, key, false); }
    int persons() const {
        const std::string text = ini.readString(kSettings, "pocet_osob", "1");
        const auto n = tryParseInteger(text);
        if (!n || *n < 0 || *n > 100)
            throw ConversionError("Sestavu " + file + " nelze načíst: počet osob „" + text + "“ není číslo 0 až 100.");
        return static_cast<int>(*n);
    }
    std::vector<ActRow> acts() const {
        std::vector<ActRow> rows;
        // A garbled count never makes the list longer than the file's sections.
        const auto n = std::min<std::int64_t>(ini.readInteger("ukony", "pocet", 0),
                                              static_cast<std::int64_t>(ini.sectionNames().size()));
        for (std::int64_t k = 1; k <= n; ++k) {
            const std::string section = "ukon" + std::to_string(k);
            rows.push_back({ini.readString(section, "datum"), ini.readString(section, "popis")});
        }
        return rows;
    }
};

IniFile openSet(const std::filesystem::path& file) {
    IniFile ini = IniFile::load(file);
    if (!ini.exists()) throw IoError("Sestavu " + pathText(file) + " nelze otevřít.");
    return ini;
}

}  // namespace

void saveMonetarySet(const std::filesystem::path& file, const MonetaryInput& in) {
    IniFile ini = IniFile::load(file);
    writeCommon(ini, in.date, in.vatPayer, in.vatDate, in.persons, in.courtFee, in.courtFeeDate, in.dismissal);
    ini.writeString(kSettings, "jistina", in.principal);
    ini.writeInteger(kSettings, "vykon_platebni", choiceIndex(in.proceedings));
    writeActs(ini, in.acts);
    ini.saveAs(file);
}

void saveNonMonetarySet(const std::filesystem::path& file, const NonMonetaryInput& in) {
    IniFile ini = IniFile::load(file);
    ini.writeInteger(kSettings, "druh_rizeni", in.item.value_or(0));
    ini.writeInteger(kSettings, "druh_poplatku", in.courtFeeItem.value_or(0) - 1);
    writeCommon(ini, in.date, in.vatPayer, in.vatDate, in.persons, in.courtFee, in.courtFeeDate, in.dismissal);
    ini.writeBool(kSettings, "slozita", in.complex);
    writeActs(ini, in.acts);
    ini.saveAs(file);
}

MonetaryInput loadMonetarySet(const std::filesystem::path& file) {
    const IniFile ini = openSet(file);
    const Reader r{ini, pathText(file.filename())};
    MonetaryInput in;
    in.date = r.date("ucinnost");
    in.principal = ini.readString(kSettings, "jistina");
    in.vatPayer = r.flag("platce_dph");
    in.vatDate = r.date("datum_dph");
    in.persons = r.persons();
    in.courtFee = r.flag("zapocitat_poplatek");
    in.courtFeeDate = r.date("datum_poplatek");
    in.proceedings = r.choice<Proceedings>("vykon_platebni");
    in.dismissal = r.choice<Dismissal>("odmitnuti");
    in.acts = r.acts();
    return in;
}

NonMonetaryInput loadNonMonetarySet(const std::filesystem::path& file) {
    const IniFile ini = openSet(file);
    const Reader r{ini, pathText(file.filename())};
    NonMonetaryInput in;
    const auto item = ini.readInteger(kSettings, "druh_rizeni", -1);
    if (item >= 1 && item <= kItemCount) in.item = static_cast<int>(item);
    const auto fee = ini.readInteger(kSettings, "druh_poplatku", -1);
    if (fee >= 0 && fee < 100000) in.courtFeeItem = static_cast<int>(fee) + 1;
    in.date = r.date("ucinnost");
    in.vatPayer = r.flag("platce_dph");
    in.vatDate = r.date("datum_dph");
    in.persons = r.persons();
    in.courtFee = r.flag("zapocitat_poplatek");
    in.courtFeeDate = r.date("datum_poplatek");
    in.dismissal = r.choice<Dismissal>("odmitnuti");
    in.complex = r.flag("slozita");
    in.acts = r.acts();
    return in;
}

}  // namespace verdika::costs
