#include "costs/word_export.h"

#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"
#include "costs/petitions.h"

namespace verdika::costs {
namespace {

namespace fs = std::filesystem;

// Line breaks of a petition come as CR LF; the document wants one break each.
std::string documentText(std::string_view text) { return Nahrad_Vse(text, "\r\n", "\n"); }

fs::path freeName(const fs::path& folder, const std::string& name) {
    fs::path path = folder / pathFromUtf8(name);
    const fs::path stem = path.stem(), ext = path.extension();
    for (int n = 2; fs::exists(path); ++n)
        path = folder / (stem.u8string() + pathFromUtf8(" (" + std::to_string(n) + ")").u8string() + ext.u8string());
    return path;
}

}  // namespace

fs::path paymentOrderTemplatePath(const fs::path& dataDir) { return dataDir / "Vzor" / "PR.docx"; }

docx::Document paymentOrderTemplate() {
    docx::Document d;
    d.title = "Žaloba s návrhem na vydání platebního rozkazu";
    d.fallbackFont = "Liberation Serif";
    const docx::RunFormat bold{true};
    docx::ParagraphFormat centred;
    centred.align = docx::Align::Center;
    centred.spaceAfterPt = 6;
    docx::ParagraphFormat heading = centred;
    heading.spaceBeforePt = 12;
    heading.keepWithNext = true;
    docx::ParagraphFormat body;
    body.align = docx::Align::Justified;
    body.spaceAfterPt = 6;
    docx::ParagraphFormat right;
    right.align = docx::Align::Right;

    d.addParagraph("Okresní soud v XXXX", {}, bold);
    d.addParagraph("adresa soudu XXXX", {.spaceAfterPt = 18});

    auto party = [&](const char* role, const char* details) {
        docx::Paragraph& p = d.addParagraph({.spaceAfterPt = 6});
        p.add(role, bold);
        p.add(details);
    };
    party("Žalobce: ", "XXXX, nar. / IČO XXXX, bytem / se sídlem XXXX");
    party("zastoupen: ", "XXXX, advokát, ev. č. ČAK XXXX, se sídlem XXXX");
    party("Žalovaný: ", "XXXX, nar. / IČO XXXX, bytem / se sídlem XXXX");
    d.addParagraph("", {});

    d.addParagraph("Žaloba o zaplacení částky castka s příslušenstvím", {.align = docx::Align::Center}, {.bold = true, .sizePt = 14});
    d.addParagraph("s návrhem na vydání platebního rozkazu", centred, bold);
    d.addParagraph("Soudní poplatek: XXXX Kč", {});
    d.addParagraph("Přílohy: dle textu", {.spaceAfterPt = 12});

    d.addParagraph("I.", heading, bold);
    d.addParagraph("Žalobce a žalovaný uzavřeli dne XXXX smlouvu XXXX, na jejímž základě žalobce žalovanému XXXX. "
                   "Žalovaný se zavázal zaplatit žalobci částku castka do XXXX. Žalovaný svůj závazek ve lhůtě "
                   "splatnosti nesplnil a částku castka dosud nezaplatil, ačkoliv byl dne XXXX vyzván k jejímu "
                   "zaplacení.",
                   body);
    d.addParagraph("Důkazy: smlouva ze dne XXXX, faktura č. XXXX, výzva k zaplacení ze dne XXXX", body);

    d.addParagraph("II.", heading, bold);
    d.addParagraph("Žalovaný je v prodlení, a proto má žalobce vedle jistiny právo i na zákonný úrok z prodlení ode dne "
                   "následujícího po dni splatnosti do zaplacení.",
                   body);

    d.addParagraph("III.", heading, bold);
    d.addParagraph("S ohledem na shora uvedené žalobce navrhuje, aby soud vydal tento", body);
    d.addParagraph("platební rozkaz:", centred, bold);
    d.addParagraph("Žalovaný je povinen zaplatit žalobci částku castka s úrokem z prodlení ve výši XXXX % ročně z "
                   "částky castka od XXXX do zaplacení, a to do 15 dnů od doručení platebního rozkazu.",
                   body);
    d.addParagraph("naklady_rizeni", body);
    d.addParagraph("", {});
    d.addParagraph("V XXXX dne XXXX", {.spaceAfterPt = 36});
    d.addParagraph("žalobce", right);
    d.addParagraph("zastoupen XXXX, advokátem", right);
    return d;
}

fs::path provisionPaymentOrderTemplate(const fs::path& dataDir) {
    const fs::path path = paymentOrderTemplatePath(dataDir);
    if (fs::exists(path)) return path;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    paymentOrderTemplate().save(path);
    return path;
}

fs::path generatePaymentOrder(const fs::path& dataDir, const TNaklady_rizeni& record, std::string_view costsPetition,
                              const DateTime& now) {
    const fs::path templatePath = provisionPaymentOrderTemplate(dataDir);
    const fs::path folder = dataDir / "PR";
    std::error_code ec;
    fs::create_directories(folder, ec);
    const fs::path output = freeName(folder, paymentOrderFileName(now));
    docx::Word_Replace_NewDOC(templatePath, output, {std::string(kPaymentOrderAmount), std::string(kPaymentOrderPetition)},
                              {Format_Castky(record.jistina), documentText(costsPetition)});
    return output;
}

fs::path filledCopyPath(const fs::path& document) {
    return document.parent_path() / (document.stem().u8string() + pathFromUtf8(" - Verdika.docx").u8string());
}

fs::path exportToWord(const fs::path& document, const std::vector<std::string>& placeholders,
                      const TNaklady_rizeni& record) {
    if (!fs::exists(document)) throw IoError("Dokument " + pathText(document) + " neexistuje.");
    std::vector<std::string> values = wordExportValues(record);
    for (std::string& v : values) v = documentText(v);
    const fs::path output = filledCopyPath(document);
    docx::Word_Replace(document, output, placeholders, values);
    return output;
}

}  // namespace verdika::costs
