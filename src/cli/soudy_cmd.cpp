// verdika-cli soudy: the directory of courts, prosecutor's offices and prisons.
#include <ostream>

#include "cli/cli.h"
#include "reference/institutions.h"

namespace verdika::cli {
namespace {

SearchField fieldOf(const std::string& name) {
    if (name == "mesto") return SearchField::Mesto;
    if (name == "ulice") return SearchField::Ulice;
    if (name == "psc") return SearchField::Psc;
    return SearchField::Nazev;
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

Json jsonOf(const Institution& i) {
    Json j{{"id", i.id},           {"nazev", i.nazev}, {"ulice", i.ulice}, {"psc", i.psc},
           {"mesto", i.mesto},     {"telefon", i.telefon}, {"fax", i.fax}, {"email", i.email},
           {"www", i.www},         {"nadrazeny_soud", i.nadrazenySoud ? Json(*i.nadrazenySoud) : Json(nullptr)}};
    if (!i.okres.empty()) j["obec"] = i.okres;
    return j;
}

class Soudy final : public Subcommand {
    std::optional<std::string> text, town, field;
    bool superior = false, json = false;

    void define(Options& o) override {
        auto t = o.text("--hledat", text, "TEXT",
                        "hledá instituce, jejichž pole obsahuje TEXT (bez ohledu na velikost\n"
                        "písmen; mezera zastoupí cokoli mezi slovy); buď --hledat, nebo --obec");
        o.choice("--pole", field, "POLE", "pole, ve kterém --hledat hledá (výchozí nazev):",
                 {{"nazev", "název instituce"}, {"mesto", "město"}, {"ulice", "ulice"}, {"psc", "PSČ"}});
        auto m = o.text("--obec", town, "OBEC", "místně příslušný soud obcí, jejichž název obsahuje OBEC");
        o.flag("--nadrizeny", superior, "s --obec: nadřízený soud místně příslušného soudu");
        t.excludes(m);
        o.json(json);
    }

    int run(Context& c) override {
        if (!text && !town) throw UsageError("Zadejte buď --hledat TEXT, nebo --obec OBEC.");
        if (field && !text) throw UsageError("Přepínač --pole patří k --hledat.");
        if (superior && !town) throw UsageError("Přepínač --nadrizeny patří k --obec.");

        Database db = openInstitutionDatabase(c.paths);
        InstitutionDirectory dir(db);
        std::vector<Institution> found;
        if (text) {
            found = dir.search(*text, fieldOf(field.value_or("nazev")), KindSet());
        } else {
            for (const Institution& court : dir.competentCourt(*town)) {
                if (!superior) {
                    found.push_back(court);
                    continue;
                }
                for (Institution up : dir.superiorCourt(court).value_or(std::vector<Institution>{})) {
                    up.okres = court.okres;  // which municipality it answers for
                    found.push_back(std::move(up));
                }
            }
        }

        if (json) {
            Json list = Json::array();
            for (const Institution& i : found) list.push_back(jsonOf(i));
            printJson(c.out, list);
            return 0;
        }
        if (found.empty()) c.out << "Zadání neodpovídá žádná instituce.\n";
        for (size_t k = 0; k < found.size(); ++k) {
            if (k) c.out << "\n";
            printText(c.out, found[k]);
        }
        return 0;
    }
};

const Register<Soudy> reg({"soudy", "adresy soudů, státních zastupitelství a věznic; místně příslušný soud", 110,
                           "verdika-cli soudy --obec Kolín --nadrizeny",
                           "každá instituce jako blok řádků: (Obec: …), název, ulice, PSČ a město,\n"
                           "telefon, fax, email, www; bloky oddělené prázdným řádkem.\n"
                           "--json: seznam {id, nazev, ulice, psc, mesto, telefon, fax, email, www,\n"
                           "nadrazeny_soud (id nebo null), obec (jen u --obec)}"});

}  // namespace
}  // namespace verdika::cli
