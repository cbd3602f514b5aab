#include "costs/petitions.h"

#include "common/numbers.h"

namespace verdika::costs {

PetitionVariables petitionVariables(const TNaklady_rizeni& r, int defendant, int claimant) {
    static const char* const defendants[] = {"Žalovaný je povinen", "Žalovaná je povinna", "Žalovaní jsou povinni"};
    static const char* const claimants[] = {"žalobci", "žalobkyni", "žalobcům"};
    auto pick = [](const char* const* list, int i) { return std::string(list[i >= 0 && i < 3 ? i : 0]); };
    auto F = [](double x) { return Format_Castky(x); };
    // "_dph_odmena" and "_dph_rp" go before "_odmena" and "_dph", which they
    // contain; otherwise "_dph_odmena" would turn into the VAT total and the fee.
    PetitionVariables v = {
        {"_zalovany/a", pick(defendants, defendant)},
        {"_zalobce/kyne", pick(claimants, claimant)},
        {"_jistina", F(r.jistina)},
        {"_odmena_RP_DPH", F(r.odmenaRpDph())},
        {"_odmena_RP", F(r.odmenaRp())},
        {"_odmena_DPH", F(r.odmena + r.dph_odmena)},
        {"_dph_odmena", F(r.dph_odmena)},
        {"_dph_rp", F(r.dph_rp)},
        {"_odmena", F(r.odmena)},
        {"_naklady_rizeni", F(r.celkem())},
        {"_pravni_ukony", std::to_string(r.pravni_ukony.size())},
        {"_rezijni_pausaly", F(static_cast<double>(r.rezijni_pausaly))},
        {"_rezijni_pausal", F(static_cast<double>(r.rezijni_pausal))},
        {"_enter", "\r\n"},
        {"_dph", F(r.dphCelkem())},
    };
    if (r.zapocitat_poplatek) {
        v.push_back({"_soudni_poplatek", F(r.soudni_poplatek)});
    } else {
        v.push_back({" soudní poplatek ve výši _soudni_poplatek, ", ""});
        v.push_back({"_soudni_poplatek", F(0)});
    }
    return v;
}

const std::vector<std::string>& defaultPetitionTemplate(int index) {
    static const std::vector<std::string> templates[3] = {
        {
            "_zalovany/a uhradit _zalobce/kyne náklady ",
            "řízení v ",
            "částce ",
            "_naklady_rizeni (odměna za zastoupení advokáta ",
            "dle ",
            "vyhlášky č. 484/2000 Sb. ve výši _odmena, ",
            "_pravni_ukonyx režijní paušál á _rezijni_pausal ",
            "ve ",
            "výši ",
            "_rezijni_pausaly, soudní poplatek ve výši ",
            "_soudni_poplatek, ",
            "daň z přidané hodnoty ve výši _dph) a to ",
            "_do_od_komu.",
        },
        {
            "odměnu za zastoupení advokáta dle vyhlášky č. ",
            "484/2000 ",
            "Sb. ve výši _odmena, ",
            "_pravni_ukonyx režijní paušál á _rezijni_pausal ",
            "ve ",
            "výši ",
            "_rezijni_pausaly, daň z přidané hodnoty ve výši ",
            "_dph, ",
            "celkově ve výši _odmena_RP",
        },
        {
            "Povinný však tuto povinnost dodnes nesplnil, a ",
            "proto ",
            "navrhuji, aby soud vydal toto_enter",
            "_enter",
            "usnesení_enter",
            "_enter",
            "Soud nařizuje exekuci podle pravomocného ",
            "vykonatelného ",
            "rozhodnutí XXXX ze dne XXXX, který nabyl ",
            "právní ",
            "moci dne ",
            "XXXX, _enter",
            "_enter",
            "k vymožení_enter",
            "_enter",
            "pohledávky oprávněného v částce _jistina _enter",
            "úroku z prodlení XXXX,_enter",
            "nákladů oprávněného v nalézacím řízení ve výši ",
            "XXXXX ",
            "_enter",
            "pro náklady oprávněného, které vzniknou v ",
            "souvislosti s ",
            "provedením exekuce, které ke dni podání návrhu ",
            "činí: ",
            "odměna za zastoupení advokáta dle vyhlášky č. ",
            "484/2000 ",
            "Sb. ve výši _odmena, _pravni_ukonyx režijní ",
            "paušál ",
            "á ",
            "_rezijni_pausal ve výši _rezijni_pausaly, daň z ",
            "přidané ",
            "hodnoty ve výši _dph, celkově ve výši ",
            "_odmena_RP ",
            "_enter",
            "pro náklady exekuce, jak budou v exekučním ",
            "řízení ",
            "určeny. _enter",
        },
    };
    return templates[index >= 0 && index < 3 ? index : 0];
}

std::vector<std::string> petitionVariableHelp() {
    return {
        "Použitelné proměnné pro vzory petitů:",
        std::string(74, '='),
        "_jistina - znamená výši jistiny",
        "",
        "_odmena - vypočtená odměna bez režijních paušálů a bez soudního poplatku",
        "_odmena_RP - vypočtená odměna s režijními paušály",
        "_odmena_DPH - vypočtená odměna s DPH z odměny",
        "_odmena_RP_DPH - vypočtená odměna s RP, DPH z RP, DPH z odměny",
        "_naklady_rizeni - částka nákladů řízení (odměna, RP, DPH, soudní poplatek)",
        "",
        "_zalovany/a - znamená označení žalovaného",
        "_zalobce/kyne - znamená označení žalobce",
        "",
        "_pravni_ukony - počet právních úkonů",
        "_rezijni_pausaly - částka za všechny režijní paušály",
        "_rezijni_pausal - částka za 1 režijní paušál",
        "",
        "_soudni_poplatek - výše soudního poplatku",
        "",
        "_dph_odmena - výše DPH z odměny",
        "_dph_rp - výše DPH z paušálu",
        "_dph - celková výše DPH",
        "",
        "_do_od_komu - do kolika dní od jakého dne zaplatit komu",
        "_enter vloží do textu ukončení řádku",
    };
}

std::array<std::string, 3> fillPetitions(const TNaklady_rizeni& record, const PetitionForm& form) {
    const auto vars = petitionVariables(record, form.defendant, form.claimant);
    std::array<std::string, 3> out;
    for (size_t k = 0; k < 3; ++k)
        out[k] = Vypln_Petit(form.templates[k], vars, form.days, form.from, form.attorneyName, form.account);
    return out;
}

const std::vector<ExportRow>& wordExportRows() {
    static const std::vector<ExportRow> rows = {
        {"Jistina", "_jistina"},
        {"Náklady řízení (odměna, RP, DPH, soudní poplatek)", "_naklady_rizeni"},
        {"DPH z odměny", "_dph_odmena"},
        {"DPH z paušálů", "_dph_pausaly"},
        {"DPH celkem", "_dph_celkem"},
        {"Petit", "_petit"},
        {"Počet režijních paušálů", "_pravni_ukony"},
        {"Částka za všechny rež. p.", "_rezijni_pausaly"},
        {"Odměna advokáta s RP", "_odmena_advokata_RP"},
        {"Odměna advokáta s DPH", "_odmena_advokata_DPH"},
        {"Odměna advokáta s RP a DPH", "_odmena_advokata_RP_DPH"},
        {"Odměna advokáta bez RP, DHP", "_odmena_advokata"},
        {"Soudní poplatek", "_soudni_poplatek"},
    };
    return rows;
}

std::vector<std::string> wordExportValues(const TNaklady_rizeni& r) {
    auto F = [](double x) { return Format_Castky(x); };
    return {
        F(r.jistina),
        F(r.celkem()),
        F(r.dph_odmena),
        F(r.dph_rp),
        F(r.dphCelkem()),
        r.petit1,
        std::to_string(r.pravni_ukony.size()),
        F(static_cast<double>(r.rezijni_pausaly)),
        F(r.odmenaRp()),
        F(r.odmena + r.dph_odmena),
        F(r.odmenaRpDph()),
        F(r.odmena),
        F(r.soudni_poplatek),
    };
}

std::string paymentOrderFileName(const DateTime& now) {
    const int h = now.seconds / 3600, m = now.seconds / 60 % 60, s = now.seconds % 60;
    auto two = [](int x) { return (x < 10 ? "0" : "") + std::to_string(x); };
    return "novy_pr" + formatDate(now.date) + " " + std::to_string(h) + "_" + two(m) + "_" + two(s) + ".docx";
}

}  // namespace verdika::costs
