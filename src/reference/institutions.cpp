#include "reference/institutions.h"

#include <sqlite3.h>

#include <array>
#include <charconv>

#include "app/startup.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/text.h"

namespace verdika {

namespace {

constexpr std::string_view kColumns =
    "SELECT soudy.id, soudy.nazev, soudy.ulice, soudy.psc, soudy.mesto, soudy.telefon, soudy.fax, soudy.email, "
    "soudy.www, soudy.nadrazeny_soud";

constexpr std::array<std::string_view, kInstitutionKinds> kKindTexts = {
    "Okresní soud",
    "Krajský soud",
    "Městský soud",
    "Obvodní soud",
    "Vrchní soud",
    "Nejvyšší soud",
    "Okresní státní zastupitelství",
    "Krajské státní zastupitelství",
    "Městské státní zastupitelství",
    "Obvodní státní zastupitelství",
    "Vrchní státní zastupitelství",
    "věznice",
};

std::string_view fieldColumn(SearchField f) {
    switch (f) {
        case SearchField::Mesto: return "mesto";
        case SearchField::Ulice: return "ulice";
        case SearchField::Nazev: return "nazev";
        case SearchField::Psc: return "psc";
    }
    return "nazev";
}

// lcase(x): the Czech lower case of a text, NULL stays NULL.
void lcaseFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const std::string folded = foldCase(std::string_view(p ? p : "", static_cast<size_t>(sqlite3_value_bytes(argv[0]))));
    sqlite3_result_text(ctx, folded.data(), static_cast<int>(folded.size()), SQLITE_TRANSIENT);
}

int czechCollation(void*, int n1, const void* s1, int n2, const void* s2) {
    return compareCzech(std::string_view(static_cast<const char*>(s1), static_cast<size_t>(n1)),
                        std::string_view(static_cast<const char*>(s2), static_cast<size_t>(n2)));
}

std::string likeCondition(std::string_view column, int param) {
    return "(lcase(" + std::string(column) + ") LIKE lcase(?" + std::to_string(param) + ") ESCAPE '\\')";
}

std::optional<std::int64_t> idFromText(const std::string& text) {
    const std::string t = trimmed(text);
    std::int64_t v = 0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || ptr != t.data() + t.size()) return std::nullopt;
    return v;
}

std::string joinNonEmpty(std::string_view a, std::string_view sep, std::string_view b) {
    if (a.empty()) return std::string(b);
    if (b.empty()) return std::string(a);
    return std::string(a) + std::string(sep) + std::string(b);
}

std::string townLine(const Institution& i) { return joinNonEmpty(i.psc, " ", i.mesto); }

}  // namespace

std::string_view kindText(InstitutionKind kind) { return kKindTexts[static_cast<size_t>(kind)]; }

std::string containsPattern(std::string_view text, bool blanksMatchAnything) {
    std::string p = "%";
    for (char c : text) {
        if (c == '%' || c == '_' || c == '\\') {
            p += '\\';
            p += c;
        } else if (c == ' ' && blanksMatchAnything) {
            p += '%';
        } else {
            p += c;
        }
    }
    return p + "%";
}

Database openInstitutionDatabase(const AppPaths& paths) {
    const auto file = paths.dataDir / kInstitutionsDatabase;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) return Database::open(file);
    const auto seedFile = paths.programDir / kInstitutionsSeed;
    const auto seed = readFileBytes(seedFile);
    if (!seed) throw IoError("Adresář institucí nebyl nalezen: chybí " + pathText(file) + " i " + pathText(seedFile) + ".");
    return Database::inMemory(*seed, seedFile);
}

InstitutionDirectory::InstitutionDirectory(Database& db) : db_(db) {
    if (sqlite3_create_function(db.handle(), "lcase", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, lcaseFunction,
                                nullptr, nullptr) != SQLITE_OK ||
        sqlite3_create_collation(db.handle(), "CZECH", SQLITE_UTF8, nullptr, czechCollation) != SQLITE_OK)
        db.exec("SELECT lcase('')");  // reports the connection's error with the file's name
}

std::vector<Institution> InstitutionDirectory::query(const std::string& sql, const std::vector<std::string>& params) {
    Statement st = db_.prepare(sql);
    for (size_t i = 0; i < params.size(); ++i) st.bind(static_cast<int>(i) + 1, std::string_view(params[i]));
    std::vector<Institution> out;
    const bool withTown = st.columnCount() > 10;
    while (st.step()) {
        Institution r;
        r.id = st.getInt(0);
        r.nazev = st.getText(1);
        r.ulice = st.getText(2);
        r.psc = st.getText(3);
        r.mesto = st.getText(4);
        r.telefon = st.getText(5);
        r.fax = st.getText(6);
        r.email = st.getText(7);
        r.www = st.getText(8);
        // A hand-edited database may hold an empty text or garbage: no superior court then.
        if (!st.isNull(9)) r.nadrazenySoud = idFromText(st.getText(9));
        if (withTown) r.okres = st.getText(10);
        out.push_back(std::move(r));
    }
    return out;
}

std::vector<Institution> InstitutionDirectory::sortedByName() {
    return query(std::string(kColumns) + " FROM soudy ORDER BY nazev COLLATE CZECH", {});
}

std::vector<Institution> InstitutionDirectory::all() { return query(std::string(kColumns) + " FROM soudy", {}); }

std::vector<Institution> InstitutionDirectory::search(std::string_view text, SearchField field, KindSet kinds) {
    std::vector<std::string> params{containsPattern(text, true)};
    std::string sql = std::string(kColumns) + " FROM soudy WHERE " + likeCondition(fieldColumn(field), 1);
    if (kinds.all()) kinds.reset();
    std::string any;
    for (int k = 0; k < kInstitutionKinds; ++k) {
        if (!kinds.test(static_cast<size_t>(k))) continue;
        params.push_back(containsPattern(kKindTexts[static_cast<size_t>(k)], false));
        any += (any.empty() ? "" : " OR ") + likeCondition("nazev", static_cast<int>(params.size()));
    }
    if (!any.empty()) sql += " AND (" + any + ")";
    return query(sql, params);
}

std::vector<Institution> InstitutionDirectory::competentCourt(std::string_view municipality) {
    const std::string sql = "SELECT DISTINCT" + std::string(kColumns.substr(6)) +
                            ", okresni.okres FROM soudy JOIN okresni ON soudy.id = okresni.id_soudy WHERE " +
                            likeCondition("okresni.okres", 1) + " ORDER BY okresni.okres COLLATE CZECH";
    return query(sql, {containsPattern(municipality, false)});
}

std::optional<std::vector<Institution>> InstitutionDirectory::superiorCourt(const Institution& institution) {
    if (!institution.nadrazenySoud) return std::nullopt;
    // The key column compares the bound text as a number.
    return query(std::string(kColumns) + " FROM soudy WHERE soudy.id = ?1 ORDER BY nazev COLLATE CZECH",
                 {std::to_string(*institution.nadrazenySoud)});
}

std::vector<std::string> addressLines(const Institution& i) {
    return {i.nazev, i.ulice, townLine(i), "", "telefon: " + i.telefon, "fax: " + i.fax, "email: " + i.email};
}

std::vector<std::string> exportLines(const std::vector<Institution>& list) {
    std::vector<std::string> out;
    out.reserve(list.size() * 8);
    for (const Institution& i : list) {
        for (std::string line : {i.nazev, i.ulice, townLine(i), "tel: " + i.telefon, "fax: " + i.fax, i.email, i.www})
            out.push_back(std::move(line));
        out.emplace_back();
    }
    return out;
}

std::string mapAddress(std::string_view street, std::string_view town) {
    return joinNonEmpty(trimBlanks(street), ", ", trimBlanks(town));
}

std::string mapUrl(std::string_view host, std::string_view address, std::string_view destination) {
    std::string url = std::string(host) + "/maps?q=from:" + std::string(address);
    if (!destination.empty()) url += " to: " + std::string(destination);
    return encodeMapUrl(url);
}

std::string encodeMapUrl(std::string_view url) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(url.size() * 2);
    bool inQuery = false;
    for (char ch : url) {
        const auto b = static_cast<unsigned char>(ch);
        bool encode;
        if (!inQuery) {
            encode = std::string_view("*#%<>+ []").find(ch) != std::string_view::npos || b < 32 || b > 127;
            if (ch == '?') inQuery = true;
        } else {
            encode = std::string_view("*#%<> []&").find(ch) != std::string_view::npos || b < 33 || b > 127;
        }
        if (encode) {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

}  // namespace verdika
