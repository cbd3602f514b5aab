#include "fees/notary_fee.h"

#include "fees/band_table.h"
#include "fees/fee_text.h"

namespace verdika::fees {

const std::vector<std::string>& notaryItems() {
    static const std::vector<std::string> items = {
    "pol. A - sepsání notářského zápisu o právním jednání, s výjimkou položky D",
    "pol. A - dohoda se svolením k vykonatelnosti, uznání peněžitého dluhu se svolením k vykonatelnosti",
    "pol. A - notářský zápis o zástavní smlouvě nebo kupní smlouvě",
    "pol. A - notářský zápis o darovací smlouvě",
    "pol. A - notářský zápis o smlouvě o manželském majetkovém režimu",
    "pol. A - notářský zápis o založení \"základní/jednoduché\" společnosti",
    "pol. B - osvědčení o průběhu valných hromad",
    "pol. B - osvědčení slosování nebo o osvědčení jiných skutkových dějů a stavu věcí",
    "pol. B - osvědčení o prohlášení",
    "pol. B - rozhodnutí orgánu právnické osoby nebo ustavujících orgánů zakládaných právnických osob",
    "pol. B - protestace směnky nebo šeku, vč. vydání protestní listiny",
    "pol. C - přijetí peněz nebo cenného papíru do notářské úschovy",
    "pol. D - sepsání notářského zápisu - závěť, dovětek, povolání správce pozůstalosti, prohlášení o vydědění",
    "pol. D - kým mají být spravovány záležitosti a kdo opatrovníkem - prohlášení toho v očekávání vlastní nezpůsobilosti právně jednat",
    "pol. D - jakým způsobem mají být spravovány záležitosti - prohlášení toho v očekávání vlastní nezpůsobilosti právně jednat",
    "pol. D - odvolání předchozích tří právních jednání",
    "pol. D - vydání notářského zápisu o závěti nebo o dovětku",
    "pol. D - sepsání notářského zápisu o plné moci",
    "pol. E - pokračování v notářském zápisu notářem, který notářský zápis sepsal",
    "pol. E - pokračování v notářském zápisu jiným notářem",
    "pol. E - dodatek k protokolu o schválení obsahu protokolu o notářské úschově jiným notářem než tím, který přijímá peníze nebo cenný papír do notářské úschovy",
    "pol. F - osvědčení o předložení listiny",
    "pol. G - osvědčení, že je někdo naživu",
    "pol. H - ověření shody opisu nebo kopie za každou stranu listiny",
    "pol. H - ověření pravosti podpisu jedné osoby na téže listině",
    "pol. I - přijetí závěti nebo jiné listiny do úschovy, s výjimkou cenného papíru",
    "pol. I - přijetí cenného papíru do úschovy",
    "pol. J - výpis z notářského zápisu, za každou započatou stranu",
    "pol. J - obsahuje-li z notářského zápisu opisy příloh notářského zápisu, za každou stranu přílohy",
    "pol. J - vydání dalšího stejnopisu notářského zápisu, za každou započatou stranu vydaného textu notářského zápisu",
    "pol. J - obsahuje-li stejnopis notářského zápisu opisy příloh notářského zápisu, za každou stranu přílohy",
    "pol. K - vydání opisu notářského zápisu, za každou započatou stranu",
    "pol. K - ověření opisu notářského zápisu a jeho vydání za každou započatou stranu textu notářského zápisu",
    "pol. L - vydání opisu protestní listiny, nebo výpisu z protestní listiny nebo za vydání opisu, nebo výpisu z knihy protestů, za každou započatou stranu textu",
    "pol. M - zápis do Rejstříku zástav",
    "pol. M - zápis do Rejstříku zástav a za úhrn úkonů potřebných k zápisu, není-li zápis prováděn notářem na podkladě notářského zápisu o právním jednání, který sepsal",
    "pol. M - zápis změny zápisu v Rejstříku zástav nebo za provedení výmazu z Rejstříku zástav a úhrn ostatních úkonů potřebných k provedení zápisu změny nebo výmazu",
    "pol. M - vydání opisu nebo výpisu z Rejstříku zástav nebo potvrzení ",
    "pol. N - zápis smlouvy do Seznamu listin o manželském majetkovém režimu, je-li zápis ujednán ve smlouvě o manželském majetkovém režimu",
    "pol. N - zápis smlouvy do Seznamu listin o manželském majetkovém režimu, je-li prováděn na žádost manželů",
    "pol. N - vydání opisu smlouvy nebo rozhodnutí soudu ze Seznamu listin o manželském majetkovém režimu, anebo za vydání potvrzení",
    "pol. O - zápis do Evidence právních jednání pro případ smrti nebo za provedení změny zápisu",
    "pol. O - vydání opisu nebo potvrzení z Evidence právních jednání pro případ smrti",
    "pol. P - zápis do Seznamu prohlášení o určení opatrovníka nebo za provedení změny zápisu",
    "pol. Q - osvědčení o přeshraniční přeměně",
    "pol. Q - osvědčení pro zápis přeshraniční přeměny",
    "pol. Q - sepsání a vydání osvědčení o pro zápis přeshraniční přeměny notářem, který sepsal a vydal osvědčení o přeshraniční přeměně všem českým zúčastněným korporacím",
    "pol. R - sepsání notářského zápisu o osvědčení pro zápis do veřejného rejstříku",
    "pol. S - zápis do veřejného rejstříku a úhrn úkonů spojených se zápisem",
    "pol. T - sepsání veřejné listiny o identifikaci",
    "pol. U - oznámení o výhradě",
    "pol. U - doručení oznámení o výhradě",
    "pol. V - osvědčení o provedení všech úkonů a o splnění formalit a podmínek předepsaných pro založení evropské společnosti nebo evropské družstevní společnosti fúzí",
    "pol. V - osvědčení o zákonnosti dokončení založení evropské společnosti nebo evropské družstevní společnosti fúzí",
    "pol. V - osvědčení o zákonnosti dokončení založení evropské společnosti nebo evropské družstevní společnosti fúzí notářem, který sepsal a vydal osvědčení o provedení všech úkonů a o splnění formalit a podmínek předepsaných pro založení evropské společnosti nebo evropské družstevní společnosti fúzí",
    "pol. V - osvědčení o provedení všech úkonů a o splnění formalit a podmínek před přemístěním zapsaného sídla evropské společnosti nebo evropské družstevní společnosti",
    "pol. V - osvědčení pro zápis do veřejného rejstříku přemístění sídla zahraniční právnické osoby do České republiky nebo osvědčení pro přemístění sídla české obchodní společnosti nebo družstva do zahraničí ",
    "pol. W - vydání ověřeného výstupu z informačního systému veřejné správy",
    "pol. X - provedení správního úkonu kontaktního místa veřejné správy (českého podacího ověřovacího informačního národního terminálu - Czech POINT)",
    "pol. Y - vydání výpisu z evidence Rejstříku trestů",
    "pol. Z - provedení autorizované konverze dokumentu za každou započatou stranu konvertovaného dokumentu",
    };
    return items;
}

double Spocitat_Odmenu_Notare(const IniFile& table, int item, double x) {
    const std::string section = std::to_string(item);
    const std::int64_t podle = table.readInteger(section, "podle", 0);
    const double share = table.readDecimal(section, "dil", 100);
    std::int64_t minimum = table.readInteger(section, "min", 0);
    const int tableItem = podle > 0 ? static_cast<int>(podle) : item;
    if (minimum == 0) minimum = table.readInteger(std::to_string(tableItem), "min", 0);

    double fee = bandSum(readBands(table, tableItem), roundUpTo(x, 100));
    fee = fee * share / 100.0;
    if (fee < static_cast<double>(minimum)) fee = static_cast<double>(minimum);
    return roundUpTo(fee, 10);
}

NotaryResult notaryFee(const IniFile& table, int item, double tariffValue) {
    const std::string section = std::to_string(item);
    NotaryResult r;
    const double fixed = table.readDecimal(section, "sazba", 0);
    if (fixed > 0) {
        r.fee = fixed;
        r.tariffEnabled = false;
    }
    r.note = table.readString(section, "pozn");
    if (tariffValue != 0 && r.tariffEnabled) r.fee = Spocitat_Odmenu_Notare(table, item, tariffValue);
    return r;
}

}  // namespace verdika::fees
