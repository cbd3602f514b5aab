#include "tariff/petition.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace verdika::tariff {
namespace {

TAdvokatni_Tarif calculation(double fee, double lumpSum, double vatOnFees, double vatOnLumpSums) {
    TAdvokatni_Tarif c;
    c.acts.resize(1);
    c.tariffBases = {20000};
    c.fullActs = 1;
    c.feeTotal = fee;
    c.lumpSumTotal = lumpSum;
    c.vatOnFees = vatOnFees;
    c.vatOnLumpSums = vatOnLumpSums;
    return c;
}

TEST(Petition, DefaultTemplateOneFilledWholly) {
    const auto vars = petitionVariables(calculation(5000, 300, 0, 0), 1, 0);
    const std::string text =
        Vypln_Petit(defaultPetitionTemplate(0), vars, "15", "doručení platebního rozkazu", "", "");
    EXPECT_EQ(text,
              "Žalovaná je povinna uhradit žalobci náklady řízení, které sestávají z odměny za zastoupení advokátem "
              "dle vyhl. č. 177/1996 Sb. v celkové výši 5.300,00 Kč, když zástupce učinil úkony právní služby dle "
              "§ 11 odst. 1 v počtu 1 a dle § 11 odst. 2 v počtu 0, tedy celkem v částce 5.000,00 Kč + RP 300,00 "
              "Kč, DPH ve výši 0,00 Kč, dále zaplacený soudní poplatek v celkové výši .......... a náklady na "
              "cestovné a ztrátu času v celkové výši .......... , a to do 15 dnů od doručení platebního rozkazu na "
              "účet právního zástupce . ");
}

TEST(Petition, VariablesNameAccountAndLineBreaks) {
    const auto vars = petitionVariables(calculation(1000, 300, 210, 63), 2, 2);
    struct Case {
        std::vector<std::string> lines;
        const char* expected;
    } cases[] = {
        // a variable containing a shorter one gets its own value
        {{"_dph_odmena|_dph|_odmena_DPH|_odmena_RP_DPH|_odmena_RP|_odmena"},
         "210,00 Kč|273,00 Kč|1.210,00 Kč|1.573,00 Kč|1.300,00 Kč|1.000,00 Kč , č. ú. 123/0100"},
        {{"_zalovany/a zaplatit _zalobce/kyne _jistina"},
         "Žalovaní jsou povinni zaplatit žalobcům 20.000,00 Kč , č. ú. 123/0100"},
        // a line without a trailing blank joins the next with one blank; only _enter breaks lines
        {{"zastoupení", "advokátem_enter", "_pravni_ukony_celkem/_pravni_ukony_1/_pravni_ukony_2", "_neznama"},
         "zastoupení advokátem\r\n 1/1/0 _neznama , č. ú. 123/0100"},
        {{"do _do_od_komu."}, "do 8 dnů od právní moci rozhodnutí na účet právního zástupce JUDr. Nováka. , č. ú. 123/0100"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Vypln_Petit(c.lines, vars, " 8", "právní moci rozhodnutí", "JUDr. Nováka", "123/0100"), c.expected);
    EXPECT_THROW(Vypln_Petit({"x"}, vars, "", "od", "", ""), ConversionError);
    EXPECT_THROW(Vypln_Petit({"x"}, vars, "1,5", "od", "", ""), ConversionError);
}

TEST(Petition, HelpListsEveryVariable) {
    const auto help = petitionVariableHelp();
    EXPECT_EQ(help[0], "Použitelné proměnné pro vzory petitů:");
    EXPECT_EQ(help[1], std::string(74, '='));
    const auto vars = petitionVariables(TAdvokatni_Tarif{}, 0, 0);
    ASSERT_EQ(help.size(), 2 + vars.size() + 1);  // + "_do_od_komu"
    for (size_t i = 0; i < vars.size(); ++i) EXPECT_EQ(help[2 + i].rfind(vars[i].first, 0), 0u) << vars[i].first;
    EXPECT_EQ(vars[2].second, "0,00 Kč");  // no calculation yet: the principal is 0
}

}  // namespace
}  // namespace verdika::tariff
