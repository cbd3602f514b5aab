#include "tariff/petition.h"

#include "common/numbers.h"
#include "common/text.h"

namespace verdika {

std::string Vypln_Petit(const std::vector<std::string>& templateLines, const PetitionVariables& variables,
                        std::string_view days, std::string_view from, std::string_view attorneyName,
                        std::string_view account) {
    std::string text;
    for (const std::string& line : templateLines) text += line + "\r\n";
    text = Jeden_Radek(text);
    for (const auto& [name, value] : variables) text = Nahrad_Vse(text, name, value);
    const std::string term = std::to_string(parseInteger(days)) + " dnů od " + std::string(from) +
                             " na účet právního zástupce " + std::string(attorneyName);
    text = Nahrad_Vse(text, "_do_od_komu", term);
    if (!account.empty()) text += ", č. ú. " + std::string(account);
    while (text.find("  ") != std::string::npos) text = Nahrad_Vse(text, "  ", " ");
    return text;
}

}  // namespace verdika

namespace verdika::tariff {

PetitionVariables petitionVariables(const TAdvokatni_Tarif& c, int defendant, int claimant) {
    static const char* const defendants[] = {"Žalovaný je povinen", "Žalovaná je povinna", "Žalovaní jsou povinni"};
    static const char* const claimants[] = {"žalobci", "žalobkyni", "žalobcům"};
    auto pick = [](const char* const* list, int i) { return std::string(list[i >= 0 && i < 3 ? i : 0]); };
    auto F = [](double x) { return Format_Castky(x); };
    const double principal = c.tariffBases.empty() ? 0 : c.tariffBases.front();
    return {
        {"_zalovany/a", pick(defendants, defendant)},
        {"_zalobce/kyne", pick(claimants, claimant)},
        {"_jistina", F(principal)},
        {"_odmena_RP_DPH", F(c.grandTotal())},
        {"_odmena_RP", F(c.feeTotal + c.lumpSumTotal)},
        {"_odmena_DPH", F(c.feeTotal + c.vatOnFees)},
        {"_dph_odmena", F(c.vatOnFees)},
        {"_dph_rp", F(c.vatOnLumpSums)},
        {"_odmena", F(c.feeTotal)},
        {"_pravni_ukony_celkem", std::to_string(c.acts.size())},
        {"_pravni_ukony_1", std::to_string(c.fullActs)},
        {"_pravni_ukony_2", std::to_string(c.halfActs)},
        {"_rezijni_pausaly", F(c.lumpSumTotal)},
        {"_enter", "\r\n"},
        {"_dph", F(c.vatTotal())},
    };
}

const std::vector<std::string>& defaultPetitionTemplate(int index) {
    static const std::vector<std::string> templates[3] = {
        {
            "_zalovany/a uhradit _zalobce/kyne náklady ",
            "řízení, které sestávají z odměny za zastoupení",
            "advokátem dle vyhl. č. 177/1996 Sb. v celkové ",
            "výši ",
            "_odmena_RP_DPH, když zástupce učinil úkony",
            "právní služby dle § 11 odst. 1 v počtu ",
            "_pravni_ukony_1",
            "a dle § 11 odst. 2 v počtu _pravni_ukony_2,",
            "tedy celkem v částce _odmena_DPH + RP ",
            "_rezijni_pausaly,",
            "DPH ve výši _dph, dále zaplacený soudní ",
            "poplatek v celkové výši",
            ".......... a náklady na cestovné a ztrátu času v ",
            "celkové výši ..........",
            ", a to do _do_od_komu. ",
        },
        {
            "Výše mimosmluvní odměny stanovené podle ",
            "sazby mimosmluvní",
            "odměny za jeden úkon právní služby a podle ",
            "počtu úkonů",
            "právní služby, které advokát ve věci vykonal, dle ",
            "vyhl. č. 177/1996 Sb., činí:_enter",
            "- tarifní hodnota: _jistina,_enter",
            "- počet právních úkonů dle § 11 odst. 1: ",
            "_pravni_ukony_1,_enter",
            "- počet právních úkonů dle § 11 odst. 2: ",
            "_pravni_ukony_2,_enter",
            "- výše odměny: _odmena,_enter",
            "- režijní paušály: _rezijni_pausaly,_enter",
            "- DPH: _dph,_enter",
            "================================ _enter",
            "Celkem: _odmena_RP_DPH._enter",
        },
        {
            "S ohledem na shora uvedené oprávněný ",
            "navrhuje, aby soud vydal toto_enter",
            "_enter",
            "POVĚŘENÍ:_enter",
            "_enter_enter",
            "I. Soud vedením exekuce k uspokojení ",
            "pohledávky oprávněného proti",
            "povinnému dle vykonatelného exekučního titulu – ",
            "rozsudku (platebního rozkazu)",
            "Okresního soudu v ............... č.j. ................... ze ",
            "dne ...........",
            "ve výši _jistina s úrokem z prodlení ve výši ",
            ".........% z částky",
            "_jistina,- Kč od ............... do zaplacení a dále pro ",
            "náklady",
            "nalézacího řízení ve výši ...............,-Kč, náklady ",
            "oprávněného",
            "v exekučním řízení, které k dnešnímu dni ",
            "sestávají z odměny za zastoupení",
            "advokátem dle vyhl. č. 177/1996 Sb. v celkové ",
            "výši",
            "_odmena_RP_DPH, a pro náklady exekuce, jak ",
            "budou v exekučním řízení",
            "určeny, pověřuje ...............",
            "",
        },
    };
    return templates[index >= 0 && index < 3 ? index : 0];
}

std::vector<std::string> petitionVariableHelp() {
    return {
        "Použitelné proměnné pro vzory petitů:",
        std::string(74, '='),
        "_zalovany/a - znamená označení žalovaného",
        "_zalobce/kyne - znamená označení žalobce",
        "_jistina - znamená výši jistiny, resp. tarifní hodnotu",
        "_odmena_RP_DPH - vypočtená odměna s RP, DPH z RP, DPH z odměny",
        "_odmena_RP - vypočtená odměna s režijními paušály",
        "_odmena_DPH - vypočtená odměna s DPH z odměny",
        "_dph_odmena - výše DPH z odměny",
        "_dph_rp - výše DPH z paušálu",
        "_odmena - vypočtená odměna bez režijních paušálů a bez soudního poplatku",
        "_pravni_ukony_celkem - počet právních úkonů",
        "_pravni_ukony_1 - počet právních úkonů dle § 11/1",
        "_pravni_ukony_2 - počet právních úkonů dle § 11/2",
        "_rezijni_pausaly - částka za všechny režijní paušály",
        "_enter vloží do textu ukončení řádku",
        "_dph - celková výše DPH",
        "_do_od_komu - do kolika dní od jakého dne zaplatit komu",
    };
}

}  // namespace verdika::tariff
