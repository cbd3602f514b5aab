// Searches of the institutions' directory: any text the user types reaches
// SQLite as a bound parameter and finds only institutions of the directory.
#include <algorithm>

#include "common/errors.h"
#include "fuzz_support.h"
#include "reference/institutions.h"

using namespace verdika;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The shipped seed, built in memory as before the first start.
    static Database db = openInstitutionDatabase(AppPaths{fuzz::shippedDir(), "/nonexistent/verdika-fuzz/"});
    static InstitutionDirectory dir(db);
    static const std::size_t total = dir.all().size();
    if (size < 2) return 0;
    const auto field = static_cast<SearchField>(data[0] % 4);
    const KindSet kinds(static_cast<unsigned long>(data[1]) * 17u);
    const std::string_view text = fuzz::asText(data + 2, size - 2);
    try {
        const auto found = dir.search(text, field, kinds);
        check(found.size() <= total, "a search finds no more than the directory holds");
        for (const Institution& i : found)
            if (auto superior = dir.superiorCourt(i)) check(superior->size() <= total, "superior court");
        check(dir.competentCourt(text).size() <= 4 * total, "competent courts");
        containsPattern(text, data[0] & 1);
    } catch (const Error&) {
        // a refusal with a message (text that is no UTF-8, …)
    }
    return 0;
}
