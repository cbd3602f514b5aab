#include "tariff/lists.h"

namespace verdika::tariff {

const std::vector<std::string>& kindItems() {
    static const std::vector<std::string> items = {
        "Peněžité plnění",
        "Nájem nebytových prostor, staveb a pozemků|§ 9 odst. 3 písm. e)",
        "Nároky z důchodového pojištění|§ 9 odst. 2",
        "Nároky z nemocenského pojištění|§ 9 odst. 2",
        "Nároky ze sociálního zabezpečení|§ 9 odst. 2",
        "Nároky ze zdravotního pojištění|§ 9 odst. 2",
        "Neplatnost právního úkonu|§ 9 odst. 3 písm. a)",
        "Obhajoba trestní horní sazba do 1 roku|§ 10 odst. 3 písm. a)",
        "Obhajoba trestní horní sazba 1 - 5 let|§ 10 odst. 3 písm. b)",
        "Obhajoba trestní horní sazba 5 - 10 let|§ 10 odst. 3 písm. c)",
        "Obhajoba trestní horní sazba 10 a více nebo výjimečný trest|§ 10 odst. 3 písm. d)",
        "Ochrana osobnosti - bez návrhu na náhradu nemajetkové újmy|§ 9 odst. 3 písm. d)",
        "Opatrovnické věci|§ 9 odst. 2",
        "Osobní autorská práva|§ 9 odst. 3 písm. d)",
        "Osobnostní práva - náhrada nemajetkové újmy|§ 9 odst. 4",
        "Ostatní případy - nelze určit hodnotu|§ 9 odst. 1",
        "Osvojení|§ 9 odst. 2",
        "Ověření podpisu advokátem za každý podpis|§ 6 odst. 3",
        "Péče o nezletilé|§ 9 odst. 2",
        "Pěstounská péče|§ 9 odst. 2",
        "Prohlášení za mrtvého|§ 9 odst. 2",
        "Řízení o přestupcích a jiná správní řízení|§ 10 odst. 1",
        "Správa majetku|§ 6 odst. 2",
        "Správní soudnictví - žaloby, kasační stížnosti, podle SŘS|§ 9 odst. 3 písm. f)",
        "Trestní věci - rozhodování v neveřejném zasedání|§ 10 odst. 2",
        "Určení, zda právo existuje (neocenitelné penězi)|§ 9 odst. 3 písm. a)",
        "Ústavní stížnosti|§ 9 odst. 3 písm. g)",
        "Věcná břemena (vznik, obsah, zánik)|§ 9 odst. 3 písm. c)",
        "Výkon opatrovníka za každý úkon|§ 9 odst. 5",
        "Zastupování poškozeného v trestním řízení do 10.000 Kč|§ 10 odst. 5 (nad je to ta částka)",
        "Způsobilost k právním úkonům|§ 9 odst. 2",
        "Žaloba na projev vůle (neocenitelný penězi)|§ 9 odst. 3 písm. b)",
        "Určovací úkon, jde-li o právní vztah k podniku, nemovitosti, nebo právo z průmyslového nebo jiného "
        "duševního vlastnictví|§ 9 odst. 4 písm. b)",
        "Řízení v otázkách obchodních společností, družstev a jiných PO + v insolvenčním nebo obdobném "
        "řízení|§ 9 odst. 4 písm. c)",
        "Rozvod manželství|§ 9 odst. 1",
    };
    return items;
}

std::string kindName(int kind) {
    if (kind < 0 || kind >= kKindCount) return {};
    const std::string& item = kindItems()[static_cast<size_t>(kind)];
    return item.substr(0, item.find('|'));
}

std::string kindParagraph(int kind) {
    if (kind < 0 || kind >= kKindCount) return {};
    const std::string& item = kindItems()[static_cast<size_t>(kind)];
    const auto bar = item.find('|');
    return bar == std::string::npos ? std::string() : item.substr(bar + 1);
}

const std::vector<std::string>& fullActNames() {
    static const std::vector<std::string> names = {
        "úkon",
        "převzetí a příprava zastoupení",
        "převzetí a příprava obhajoby",
        "první porada s klientem včetně převzetí a přípravy zastoupení",
        "první porada s klientem včetně převzetí a přípravy obhajoby",
        "další porada s klientem přesahující jednu hodinu",
        "písemné podání nebo návrh ve věci samé",
        "výzva k plnění se základním skutkovým a právním rozborem předcházející návrhu ve věci samé",
        "návrh na zahájení řízení (§ 14b)",
        "účast při vyšetřovacích úkonech v přípravném řízení, a to každé započaté dvě hodiny",
        "prostudování spisu při skončení vyšetřování, a to každé započaté dvě hodiny",
        "účast při úkonu správního nebo jiného orgánu, a to každé započaté dvě hodiny",
        "účast na jednání před soudem nebo jiným orgánem, a to každé započaté dvě hodiny",
        "sepsání právního rozboru věci",
        "jednání s protistranou, a to každé dvě započaté hodiny",
        "návrh na předběžné opatření, dojde-li k němu před zahájením řízení",
        "odvolání proti rozhodnutí o předběžném opatření a vyjádření k nim",
        "odvolání",
        "dovolání",
        "návrh na obnovu řízení",
        "stížnost proti rozhodnutí o návrhu na obnovu řízení",
        "vyjádření k odvolání",
        "vyjádření k dovolání",
        "vyjádření k návrhu na obnovu řízení",
        "vyjádření ke stížnosti proti rozhodnutí o návrhu na obnovu řízení",
        "podnět k podání stížnosti pro porušení zákona",
        "vyjádření ke stížnosti pro porušení zákona",
        "sepsání listiny o právním úkonu",
    };
    return names;
}

const std::vector<std::string>& halfActNames() {
    static const std::vector<std::string> names = {
        "půlúkon",
        "návrh na předběžné opatření, dojde-li k němu po zahájení řízení",
        "návrh na zajištění důkazu nebo dědictví",
        "návrh na opravu odůvodnění rozhodnutí",
        "návrh na odstranění následků zmeškání lhůty",
        "návrh na změnu rozhodnutí odsuzujícího k plnění v budoucnu splatných dávek nebo k plnění ve splátkách",
        "odvolání proti rozhodnutí, pokud nejde o rozhodnutí ve věci samé",
        "vyjádření k odvolání proti rozhodnutí, pokud nejde o rozhodnutí ve věci samé",
        "návrh nebo stížnosti ve věcech, ve kterých se rozhoduje ve veřejném zasedání",
        "vyjádření ve věcech, ve kterých se rozhoduje ve veřejném zasedání",
        "výkon rozhodnutí - první porada s klientem včetně převzetí a přípravy zastoupení",
        "výkon rozhodnutí - sepsání návrhu na zahájení řízení",
        "výkon rozhodnutí - vyjádření k návrhu",
        "výkon rozhodnutí - zastupování při jednání",
        "výkon rozhodnutí - sepsání odvolání proti rozhodnutí",
        "účast při jednání, při kterém došlo pouze k vyhlášení rozhodnutí",
        "účast při přípravě jednání",
        "jednoduchá výzva k plnění",
    };
    return names;
}

}  // namespace verdika::tariff
