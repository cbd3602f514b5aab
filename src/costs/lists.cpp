#include "costs/lists.h"

namespace verdika::costs {

const std::vector<std::string>& actNames() {
    static const std::vector<std::string> names = {
        "úkon",
        "převzetí a příprava zastoupení",
        "převzetí a příprava obhajoby",
        "první porada s klientem včetně převzetí a přípravy zastoupení",
        "první porada s klientem včetně převzetí a přípravy obhajoby",
        "další porada s klientem přesahující jednu hodinu",
        "písemné podání soudu nebo jinému orgánu týkající se věci samé",
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

const std::vector<ItemGroup>& nonMonetaryItems() {
    static const std::vector<ItemGroup> groups = {
        {"Určení, zda tu právní vztah nebo právo je či není (§ 5):",
         {"právní vztah nebo právo k podniku § 5 a)", "právní vztah nebo právo k nemovitosti § 5 b)",
          "právní vztah nebo právo k duševnímu vlastnictví § 5 c)", "ostatní § 5 d)"}},
        {"Ochrana - uveřejňování osobních údajů (§ 6)", {"nemajetková újma § 6/1a)", "ostatní § 6/1b)"}},
        {"Pokud nelze dle § 3 - § 6",
         {"Rozvod manželství, určení neplatnosti /existence manželství, určení a popření otcovství § 7 a)",
          "Rodinné právo - věci dle zákona o rodině §7 b)", "Pracovní právo § 7 c)",
          "Nájem nebo vyklizení nemovitostí, bytů a nebytových prostor a určení § 7 d)",
          "Nahrazení projevu vůle § 7 e)", "Věcná práva k věcem cizím §7 f)",
          "Obchodní společnosti, OS, družstvo, družstva, jiné PO § 7 g)", "Ostatní - nejsou uvedeny v § 3 až § 7"}},
        {"Zvláštní § 7 - § 11",
         {"Předběžné opatření § 9", "Obnova řízení § 10/1", "Zmatečnost - žaloba § 10/2",
          "Ostatní - žaloby podle části páté OSŘ - věci, o nichž bylo rozhodnuto jiným orgánem § 11"}},
        {"Výkon rozhodnutí, exekuce",
         {"vyklizení § 12/1 a) bod 2.", "jiná povinnost § 12/1 a) bod 3.", "provádění, zastavení § 12/1 b)"}},
        {"Odvolací řízení - pouze rozhodnutí, které se týká",
         {"náhrady nákladů řízení o lhůtě k plnění; předběžné vykonatelnosti; příslušenství pohledávky; "
          "rozhodnutí procesní povahy § 14/3"}},
    };
    return groups;
}

std::string itemCaption(int item) {
    int n = 0;
    for (const ItemGroup& g : nonMonetaryItems())
        for (const std::string& caption : g.items)
            if (++n == item) return caption;
    return {};
}

std::vector<TreeNode> treeNodes() {
    std::vector<TreeNode> nodes;
    int n = 0;
    for (const ItemGroup& g : nonMonetaryItems()) {
        nodes.push_back({g.caption, 0});
        for (const std::string& caption : g.items) nodes.push_back({caption, ++n});
    }
    return nodes;
}

}  // namespace verdika::costs
