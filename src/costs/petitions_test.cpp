#include "costs/petitions.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace verdika::costs {
namespace {

TNaklady_rizeni record() {
    TNaklady_rizeni r;
    r.jistina = 50000;
    r.odmena = 10000;
    r.pravni_ukony = {{makeDate(2005, 1, 1), "a", 75}, {makeDate(2005, 2, 1), "b", 75}};
    r.rezijni_pausal = 75;
    r.rezijni_pausaly = 150;
    r.platce_dph = true;
    r.dph_odmena = 1900;
    r.dph_rp = 28.5;
    r.soudni_poplatek = 2000;
    r.zapocitat_poplatek = true;
    return r;
}

PetitionForm defaults() {
    PetitionForm f;
    for (int k = 0; k < 3; ++k) f.templates[static_cast<size_t>(k)] = defaultPetitionTemplate(k);
    return f;
}

TEST(CostsPetition, DefaultTemplateOne) {
    const auto p = fillPetitions(record(), defaults());
    EXPECT_EQ(p[0],
              "Žalovaný je povinen uhradit žalobci náklady řízení v částce 14.078,50 Kč (odměna za zastoupení "
              "advokáta dle vyhlášky č. 484/2000 Sb. ve výši 10.000,00 Kč, 2x režijní paušál á 75,00 Kč ve výši "
              "150,00 Kč, soudní poplatek ve výši 2.000,00 Kč, daň z přidané hodnoty ve výši 1.928,50 Kč) a to 15 "
              "dnů od doručení platebního rozkazu na účet právního zástupce . ");
    EXPECT_EQ(p[1].rfind("odměnu za zastoupení advokáta dle vyhlášky č. 484/2000 Sb. ve výši 10.000,00 Kč, 2x", 0), 0u);
    EXPECT_NE(p[2].find("toto\r\n \r\n usnesení\r\n"), std::string::npos);
    EXPECT_NE(p[2].find("v částce 50.000,00 Kč \r\n"), std::string::npos);
}

TEST(CostsPetition, CourtFeeLeftOut) {
    TNaklady_rizeni r = record();
    r.zapocitat_poplatek = false;
    PetitionForm f = defaults();
    // The default template splits the phrase over two lines: its words stay, with 0 Kč.
    EXPECT_NE(fillPetitions(r, f)[0].find("150,00 Kč, soudní poplatek ve výši 0,00 Kč, daň"), std::string::npos);
    // On one line with single blanks the phrase goes.
    f.templates[0] = {"paušály _rezijni_pausaly, soudní poplatek ve výši _soudni_poplatek, daň _dph"};
    EXPECT_EQ(fillPetitions(r, f)[0], "paušály 150,00 Kč,daň 1.928,50 Kč ");
}

TEST(CostsPetition, PartiesTermAccountAndVariables) {
    PetitionForm f = defaults();
    f.defendant = 2;
    f.claimant = 1;
    f.days = "30";
    f.from = "právní moci rozhodnutí";
    f.attorneyName = "Mgr. Jana Nováková";
    f.account = "123/0100";
    const std::string p = fillPetitions(record(), f)[0];
    EXPECT_EQ(p.rfind("Žalovaní jsou povinni uhradit žalobkyni náklady", 0), 0u);
    EXPECT_NE(p.find("30 dnů od právní moci rozhodnutí na účet právního zástupce Mgr. Jana Nováková. , č. ú. 123/0100"),
              std::string::npos);

    // Each variable its own value, also where one name contains another.
    f.templates[0] = {"_dph_odmena|_dph_rp|_dph|_odmena_RP_DPH|_odmena_DPH|_odmena_RP|_odmena|_rezijni_pausal|"
                      "_jistina|_naklady_rizeni|_pravni_ukony"};
    EXPECT_EQ(fillPetitions(record(), f)[0],
              "1.900,00 Kč|28,50 Kč|1.928,50 Kč|12.078,50 Kč|11.900,00 Kč|10.150,00 Kč|10.000,00 Kč|75,00 Kč|"
              "50.000,00 Kč|14.078,50 Kč|2 , č. ú. 123/0100");

    f.days = "patnáct";
    EXPECT_THROW(fillPetitions(record(), f), ConversionError);
}

TEST(CostsPetition, WordExportValuesAndPaymentOrderName) {
    TNaklady_rizeni r = record();
    r.petit1 = "petit";
    const auto values = wordExportValues(r);
    ASSERT_EQ(values.size(), wordExportRows().size());
    ASSERT_EQ(values.size(), 13u);
    EXPECT_EQ(wordExportRows()[3].placeholder, "_dph_pausaly");
    EXPECT_EQ(values[1], "14.078,50 Kč");
    EXPECT_EQ(values[3], "28,50 Kč");
    EXPECT_EQ(values[5], "petit");
    EXPECT_EQ(values[6], "2");
    EXPECT_EQ(values[10], "12.078,50 Kč");
    EXPECT_EQ(values[12], "2.000,00 Kč");
    EXPECT_EQ(paymentOrderFileName({makeDate(2026, 3, 5), 9 * 3600 + 7 * 60 + 3}), "novy_pr5.3.2026 9_07_03.docx");
}

}  // namespace
}  // namespace verdika::costs
