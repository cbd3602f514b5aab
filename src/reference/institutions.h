#pragma once
// The directory of courts, public prosecutor's offices and prisons in
// "databaze.db" (tables soudy and okresni): the searches of the addresses page
// and of `verdika-cli soudy`, and the texts made from one institution.
//
// Every search text reaches SQLite as a bound parameter. Letter case is
// ignored for Czech letters too ("Ústí" finds "ÚSTÍ"); "%", "_" and the
// apostrophe in a text match themselves, only blanks of the text search match
// any run of characters.
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/paths.h"
#include "common/sqlite_db.h"

namespace verdika {

struct Institution {
    std::int64_t id = 0;
    std::string nazev;
    std::string ulice;
    std::string psc;
    std::string mesto;
    std::string telefon;
    std::string fax;
    std::string email;
    std::string www;
    std::optional<std::int64_t> nadrazenySoud;  // the superior court's id
    std::string okres;  // the municipality a competent-court search matched; else empty
};

// The field the text search looks in, in the order of the page's choice.
enum class SearchField { Mesto, Ulice, Nazev, Psc };

// The type boxes of the page, in their order: six kinds of courts, five of
// prosecutor's offices, prisons.
enum class InstitutionKind {
    OkresniSoud, KrajskySoud, MestskySoud, ObvodniSoud, VrchniSoud, NejvyssiSoud,
    OkresniZastupitelstvi, KrajskeZastupitelstvi, MestskeZastupitelstvi, ObvodniZastupitelstvi,
    VrchniZastupitelstvi, Veznice
};
inline constexpr int kInstitutionKinds = 12;
using KindSet = std::bitset<kInstitutionKinds>;
inline KindSet allKinds() { return KindSet().set(); }

// The text a name holds for the kind ("Okresní soud", …, "věznice").
std::string_view kindText(InstitutionKind kind);

// A LIKE pattern (escape character "\") that finds the text anywhere; with
// blanksMatchAnything each blank matches any run of characters.
std::string containsPattern(std::string_view text, bool blanksMatchAnything);

// The data directory's "databaze.db"; before the program has first run, the
// shipped seed built in memory. Throws IoError when neither is there.
Database openInstitutionDatabase(const AppPaths& paths);

class InstitutionDirectory {
public:
    // Registers the Czech lower-case function and collation on the connection.
    explicit InstitutionDirectory(Database& db);

    // The whole table by name, as the page opens.
    std::vector<Institution> sortedByName();
    // "Zobrazit všechny": the whole table in database order.
    std::vector<Institution> all();
    // Institutions whose field contains the text (blanks: anything between
    // the words) and whose name is of one of the ticked kinds. With no kind
    // or every kind ticked, of any kind: the Constitutional Court, the
    // Supreme Administrative Court and the Supreme Public Prosecutor's Office
    // fit no box and would otherwise never be found. Database order.
    std::vector<Institution> search(std::string_view text, SearchField field, KindSet kinds);
    // The courts of the municipalities whose name contains the text, by
    // municipality; okres says which municipality matched.
    std::vector<Institution> competentCourt(std::string_view municipality);
    // The superior court of the institution; nullopt when it names none.
    std::optional<std::vector<Institution>> superiorCourt(const Institution& institution);

private:
    std::vector<Institution> query(const std::string& sql, const std::vector<std::string>& params);

    Database& db_;
};

// The address as the print window shows it: name, street, postcode and town,
// an empty line, "telefon: ", "fax: ", "email: ".
std::vector<std::string> addressLines(const Institution& institution);
// How many of those lines are copied to the clipboard (name, street, town).
inline constexpr int kCopiedAddressLines = 3;

// "Export adres": seven lines per institution (name, street, postcode and
// town, "tel: ", "fax: ", e-mail, web), each entry followed by an empty line.
std::vector<std::string> exportLines(const std::vector<Institution>& institutions);

// The address a map link looks up: street + ", " + town.
std::string mapAddress(std::string_view street, std::string_view town);
// The map service's link: host + "/maps?q=from:" + address, with
// " to: " + destination for a route; percent-encoded as encodeMapUrl does.
std::string mapUrl(std::string_view host, std::string_view address, std::string_view destination = {});
// Percent-encodes a link's UTF-8 bytes as "%" and two upper-case hex digits:
// in the path "*#%<>+ []" and bytes outside 32…127, in the query "*#%<> []&"
// and bytes outside 33…127 (an "&" of an address would end the query; a raw
// byte of 128 would make the link invalid).
std::string encodeMapUrl(std::string_view url);

}  // namespace verdika
