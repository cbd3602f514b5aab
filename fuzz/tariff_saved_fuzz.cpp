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
    const tariff::SavedCalculation s = tariff::calculationFromIni(ini);
    check(s.acts.size() <= ini.sectionNames().size(), "no more acts than sections");

    tariff::TariffInput in;
    in.tariffValue = s.tariffValue;
    in.kind = s.kind >= 0 && s.kind < static_cast<int>(tariff::kindItems().size()) ? s.kind : 0;
    in.vatPayer = s.vatPayer;
    in.special = s.special >= -1 && s.special <= 2 ? s.special : -1;
    in.extraordinary = s.extraordinary >= -1 && s.extraordinary <= 1 ? s.extraordinary : -1;
    in.par14b = s.par14b;
    in.acts = s.acts;
    in.defaultDate = makeDate(2024, 3, 1);
    try {
        tariff::readPercentage(s.raiseOn, s.lowerOn, s.raiseText, s.lowerText, in.percentageOn, in.percentage);
        const tariff::TariffResult r = tariff::Vypocitat(in, tables);
        tariff::summaryLines(r.calc);
    } catch (const Error&) {
        // a refusal with a message is a fine answer to a bad file
    }
    return 0;
}
