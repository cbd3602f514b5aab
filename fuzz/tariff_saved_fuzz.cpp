// Saved tariff calculations: any file loads, and what it loads is computed
// with the shipped tables like the page's "Vypočítat".
#include "common/cp1250.h"
#include "common/errors.h"
#include "common/ini.h"
#include "fuzz_support.h"
#include "tariff/lists.h"
#include "tariff/saved_calculation.h"
#include "tariff/tariff.h"

using namespace verdika;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tariff::Tables tables = tariff::Tables::load(fuzz::shippedDir());
    const IniFile ini = IniFile::parse(decodeText(fuzz::asText(data, size)));
    tariff::TariffForm form = tariff::calculationFromIni(ini);
    check(form.acts.size() <= ini.sectionNames().size(), "no more acts than sections");
    check(!form.kind || (*form.kind >= 0 && *form.kind < static_cast<int>(tariff::kindItems().size())),
          "a kind of the list or none");

    // A file without a usable kind is computed as a sum of money, so its acts still reach the calculation.
    if (!form.kind) form.kind = 0;
    form.defaultDate = makeDate(2024, 3, 1);
    try {
        const tariff::TariffResult r = tariff::Vypocitat(form, tables);
        tariff::summaryLines(r.calc);
    } catch (const Error&) {
        // a refusal with a message is a fine answer to a bad file
    }
    return 0;
}
