#include "costs/word_export.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "costs/petitions.h"
#include "test_support.h"

namespace verdika::costs {
namespace {

namespace fs = std::filesystem;

bool contains(const std::string& hay, const std::string& needle) { return hay.find(needle) != std::string::npos; }

std::string allText(const fs::path& docx) {
    std::string text;
    for (const std::string& p : docx::paragraphTexts(docx)) text += p + "\n";
    return text;
}

TNaklady_rizeni record() {
    TNaklady_rizeni r;
    r.jistina = 42629.10;
    r.odmena = 2730;
    r.pravni_ukony = {{makeDate(2005, 3, 1), "vyjádření", 75}};
    r.rezijni_pausal = r.rezijni_pausaly = 75;
    r.soudni_poplatek = 1710;
    r.petit1 = "Žalovaný je povinen uhradit\r\ndruhý řádek";
    return r;
}

TEST(CostsWord, PaymentOrderFromTheProvisionedTemplate) {
    test::TempDir data;
    const fs::path out = generatePaymentOrder(data.path(), record(), "Žalovaný je povinen uhradit žalobci náklady "
                                                                     "řízení v částce 4.515,00 Kč.",
                                              {makeDate(2026, 3, 5), 14 * 3600 + 5 * 60 + 9});
    EXPECT_EQ(out, data / "PR" / "novy_pr5.3.2026 14_05_09.docx");
    ASSERT_TRUE(fs::exists(paymentOrderTemplatePath(data.path())));
    const std::string xml = test::zipMember(out, "word/document.xml");
    EXPECT_TRUE(contains(xml, "Žaloba o zaplacení částky 42.629,10 Kč s příslušenstvím")) << xml;
    EXPECT_TRUE(contains(xml, "náklady řízení v částce 4.515,00 Kč.")) << xml;
    EXPECT_FALSE(contains(xml, "castka"));
    EXPECT_FALSE(contains(xml, "naklady_rizeni"));
    // The template keeps its placeholders; a second order that second gets a name of its own.
    EXPECT_TRUE(contains(allText(paymentOrderTemplatePath(data.path())), "Žaloba o zaplacení částky castka"));
    EXPECT_EQ(generatePaymentOrder(data.path(), record(), "x", {makeDate(2026, 3, 5), 14 * 3600 + 5 * 60 + 9}),
              data / "PR" / "novy_pr5.3.2026 14_05_09 (2).docx");
}

TEST(CostsWord, TheUsersTemplateIsNeverReplaced) {
    test::TempDir data;
    docx::Document own;
    own.addParagraph("Vlastní vzor: castka / naklady_rizeni");
    fs::create_directories(data / "Vzor");
    own.save(paymentOrderTemplatePath(data.path()));
    const std::string before = test::readBytes(paymentOrderTemplatePath(data.path()));
    EXPECT_EQ(provisionPaymentOrderTemplate(data.path()), paymentOrderTemplatePath(data.path()));
    EXPECT_EQ(test::readBytes(paymentOrderTemplatePath(data.path())), before);
    const fs::path out = generatePaymentOrder(data.path(), record(), "petit", {makeDate(2026, 1, 1), 0});
    EXPECT_EQ(docx::paragraphTexts(out), std::vector<std::string>{"Vlastní vzor: 42.629,10 Kč / petit"});
    EXPECT_EQ(test::readBytes(paymentOrderTemplatePath(data.path())), before);
}

TEST(CostsWord, ExportFillsACopyAlsoWhereAPlaceholderIsSplitAcrossRuns) {
    test::TempDir dir;
    docx::Document user;
    // As a word processor stores an edited placeholder: three runs, one of them bold.
    user.addParagraph().add("Náklady: _nakl").add("ady_ri", {.bold = true}).add("zeni, jistina _jistina.");
    user.addParagraph("Petit: _petit");
    user.addParagraph("Nic: _neznama");
    const fs::path doc = dir / "žaloba.docx";
    user.save(doc);
    const std::string before = test::readBytes(doc);

    std::vector<std::string> placeholders;
    for (const ExportRow& row : wordExportRows()) placeholders.push_back(row.placeholder);
    const fs::path out = exportToWord(doc, placeholders, record());
    EXPECT_EQ(out, dir / "žaloba - Verdika.docx");
    EXPECT_EQ(test::readBytes(doc), before);  // the user's document stays as it was
    const std::string xml = test::zipMember(out, "word/document.xml");
    EXPECT_TRUE(contains(xml, "4.515,00 Kč")) << xml;  // 2 730 + 75 + 1 710
    EXPECT_FALSE(contains(xml, "_nakl")) << xml;
    EXPECT_EQ(docx::paragraphTexts(out),
              (std::vector<std::string>{"Náklady: 4.515,00 Kč, jistina 42.629,10 Kč.",
                                        "Petit: Žalovaný je povinen uhradit\ndruhý řádek", "Nic: _neznama"}));

    // A placeholder the user changed in the list is the one looked for.
    placeholders[0] = "_neznama";
    EXPECT_EQ(docx::paragraphTexts(exportToWord(doc, placeholders, record())).back(), "Nic: 42.629,10 Kč");

    EXPECT_THROW(exportToWord(dir / "chybi.docx", placeholders, record()), IoError);
    test::writeBytes(dir / "text.docx", "toto není dokument");
    EXPECT_THROW(exportToWord(dir / "text.docx", placeholders, record()), DataError);
    EXPECT_FALSE(fs::exists(dir / "text - Verdika.docx"));
}

}  // namespace
}  // namespace verdika::costs
