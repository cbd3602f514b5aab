#include "fees/executor_fee.h"

#include <cmath>

#include "common/numbers.h"
#include "fees/band_table.h"
#include "fees/fee_text.h"

namespace verdika::fees {

const std::vector<std::string>& executorItems() {
    static const std::vector<std::string> items = {
    "provedení exekuce ukládající zaplacení peněžité částky (§ 6)",
    "provedení exekuce vyklizením (§ 7)",
    "provedení exekuce odebráním věci (§ 8)",
    "provedení exekuce rozdělením společné věci v případě, kdy společná věc má být prodána a její výtěžek rozdělen mezi spoluvlastníky (§ 9)",
    "provedení exekuce rozdělením společné věci v případě, kdy společná věc má být rozdělena jinak než prodejem (§ 9)",
    "provedení exekuce provedením prací a výkonů (§ 10)",
    "záloha na náklady provedení exekuce ukládající zaplacení peněžité částky (§ 12)",
    "záloha na náklady provedení exekuce ukládající jinou povinnost než zaplacení peněžité částky (§ 12)",
    "doručování písemností - exekutor sám (§ 15)",
    "doručování písemností soudu z pověření soudu (§ 18)",
    "výkon činnosti soudního vykonavatele z pověření soudu, peněžité plnění do částky 15000 Kč včetně",
    "výkon činnosti soudního vykonavatele z pověření soudu, peněžité plnění nad 15000 Kč",
    "výkon činnosti soudního vykonavatele z pověření soudu, nepeněžité plnění",
    "jiná činnost (§ 21)",
    "vydání výpisu z exekutorského zápisu (§ 26)",
    "vydání dalšího stejnopisu exekutorského zápisu (§ 26)",
    "vydání dalšího prostého opisu exekutorského zápisu a výpisu, opisu nebo potvrzení ze spisu (§ 26)",
    };
    return items;
}

double Spocitat_Odmenu_Exekutora(const IniFile& table, int item, bool splni, bool zaloha, double x) {
    std::string section = std::to_string(item);
    const std::int64_t podle = table.readInteger(section, "podle", 0);
    const double share = table.readDecimal(section, "max_podil", 0);
    if (podle > 0) {
        item = static_cast<int>(podle);
        section = std::to_string(item);
    }
    double fee = bandSum(readBands(table, item), x);
    if (share > 0) fee = share * fee / 100.0;
    const auto minimum = static_cast<double>(table.readInteger(section, "min", 0));
    const auto maximum = static_cast<double>(table.readInteger(section, "max", 500000000));
    if (minimum > fee) fee = minimum;
    if (fee > maximum) fee = maximum;
    if (splni)
        fee = fee * static_cast<double>(table.readInteger(kVoluntaryPaymentSection, section, 100)) / 100.0;
    else if (zaloha)
        fee = fee * static_cast<double>(table.readInteger(section, "zaloha", 100)) / 100.0;
    return fee;
}

double executorBase(double tariffValue) { return roundUpTo(roundHalfEven(tariffValue, 0), 100); }

ExecutorResult executorFee(const IniFile& table, int item, bool voluntaryTicked, bool advanceTicked,
                           double tariffValue) {
    const std::string section = std::to_string(item);
    ExecutorResult r;
    const double base = executorBase(tariffValue);
    r.voluntaryEnabled = table.hasKey(kVoluntaryPaymentSection, section);
    r.advanceEnabled = table.readInteger(section, "zaloha", 0) >= 1;
    const bool splni = voluntaryTicked && r.voluntaryEnabled;
    const bool zaloha = advanceTicked && r.advanceEnabled;

    const double fixed = table.readDecimal(section, "sazba", 0);
    if (fixed > 0) {
        r.tariffEnabled = false;
        r.fee = fixed;
        // The reduction for a voluntary payment covers fixed fees too (§§ 7–10).
        if (splni)
            r.fee = r.fee * static_cast<double>(table.readInteger(kVoluntaryPaymentSection, section, 100)) / 100.0;
        else if (zaloha)
            r.fee = r.fee * static_cast<double>(table.readInteger(section, "zaloha", 100)) / 100.0;
    }
    r.note = table.readString(section, "pozn");
    if (base != 0 && r.tariffEnabled) r.fee = Spocitat_Odmenu_Exekutora(table, item, splni, zaloha, base);
    r.fee = roundUpTo(roundHalfEven(r.fee, 0), 10);
    return r;
}

}  // namespace verdika::fees
