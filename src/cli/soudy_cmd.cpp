// verdika-cli soudy: the directory of courts, prosecutor's offices and prisons.
#include <ostream>

#include "cli/cli.h"
#include "common/json.h"
#include "reference/institutions.h"

namespace verdika::cli {
namespace {

SearchField fieldOf(const std::string& name) {
    if (name == "nazev") return SearchField::Nazev;
    if (name == "mesto") return SearchField::Mesto;
    if (name == "ulice") return SearchField::Ulice;
    if (name == "psc") return SearchField::Psc;
    throw UsageError("Neznámé pole „" + name + "“; zadejte nazev, mesto, ulice nebo psc.");
}

void printText(std::ostream& out, const Institution& i) {
    if (!i.okres.empty()) out << "Obec: " << i.okres << "\n";
    const auto lines = addressLines(i);  // name, street, postcode and town first
    for (int k = 0; k < kCopiedAddressLines; ++k)
        if (!lines[static_cast<size_t>(k)].empty()) out << lines[static_cast<size_t>(k)] << "\n";
    if (!i.telefon.empty()) out << "telefon: " << i.telefon << "\n";
    if (!i.fax.empty()) out << "fax: " << i.fax << "\n";
    if (!i.email.empty()) out << "email: " << i.email << "\n";
    if (!i.www.empty()) out << "www: " << i.www << "\n";
}

void writeJson(JsonWriter& j, const Institution& i) {
    j.beginObject()
        .field("id", i.id)
        .field("nazev", i.nazev)
        .field("ulice", i.ulice)
        .field("psc", i.psc)
        .field("mesto", i.mesto)
        .field("telefon", i.telefon)
        .field("fax", i.fax)
        .field("email", i.email)
        .field("www", i.www)
        .key("nadrazeny_soud");
    if (i.nadrazenySoud) j.value(*i.nadrazenySoud);
    else j.null();
    if (!i.okres.empty()) j.field("obec", i.okres);
    j.endObject();
}

int soudy(Context& c) {
    const Args a(c.args, {"nadrizeny", "json"}, {"hledat", "pole", "obec"});
    if (!a.positional().empty()) throw UsageError("Nadbytečný argument „" + a.positional().front() + "“.");
    const auto text = a.value("hledat"), town = a.value("obec");
    if (text.has_value() == town.has_value()) throw UsageError("Zadejte buď --hledat TEXT, nebo --obec OBEC.");
    if (a.value("pole") && !text) throw UsageError("Přepínač --pole patří k --hledat.");
    if (a.flag("nadrizeny") && !town) throw UsageError("Přepínač --nadrizeny patří k --obec.");
    const SearchField field = fieldOf(a.value("pole").value_or("nazev"));

    Database db = openInstitutionDatabase(c.paths);
    InstitutionDirectory dir(db);
    std::vector<Institution> found;
    if (text) {
        found = dir.search(*text, field, KindSet());
    } else {
        for (const Institution& court : dir.competentCourt(*town)) {
            if (!a.flag("nadrizeny")) {
                found.push_back(court);
                continue;
            }
            for (Institution up : dir.superiorCourt(court).value_or(std::vector<Institution>{})) {
                up.okres = court.okres;  // which municipality it answers for
                found.push_back(std::move(up));
            }
        }
    }

    if (a.flag("json")) {
        JsonWriter j;
        j.beginArray();
        for (const Institution& i : found) writeJson(j, i);
        j.endArray();
        c.out << j.str() << "\n";
        return 0;
    }
    if (found.empty()) c.out << "Zadání neodpovídá žádná instituce.\n";
    for (size_t k = 0; k < found.size(); ++k) {
        if (k) c.out << "\n";
        printText(c.out, found[k]);
    }
    return 0;
}

const CommandRegistration cmd({"soudy", "adresy soudů, státních zastupitelství a věznic; místně příslušný soud",
                               "--hledat TEXT [--pole nazev|mesto|ulice|psc] [--json] | --obec OBEC [--nadrizeny] "
                               "[--json]",
                               soudy, 110});

}  // namespace
}  // namespace verdika::cli
