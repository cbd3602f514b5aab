#include "calculators/settlement_workbook.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "common/errors.h"
#include "common/files.h"
#include "companion/copy_file.h"

namespace verdika {

namespace {

using xlsx::Format;
using xlsx::Sheet;

constexpr std::uint32_t kInputFill = 0xFFF2CC;   // light yellow: the cells to fill in
constexpr std::uint32_t kHeaderFill = 0xD9E1F2;  // light blue: column captions
constexpr std::uint32_t kResultFill = 0xE2EFDA;  // light green: the results
constexpr const char* kPercentFormat = "0.00%";

// Rows of the two item lists (assets, debts) and of the two parts of the
// payments between separate and joint property.
constexpr int kItemRows = 50;
constexpr int kPaymentRows = 20;

// The spreadsheet's own 1-based row number of a 0-based row.
std::string rowNo(int row) { return std::to_string(row + 1); }

void title(Sheet& s, const std::string& text, const std::string& lastCol) {
    s.setText(0, 0, text);
    s.format("A1", [](Format& f) {
        f.bold = true;
        f.fontSize = 14;
    });
    if (lastCol != "A") s.merge("A1:" + lastCol + "1");
    s.setRowHeight(0, 24);
}

void note(Sheet& s, int row, const std::string& text, const std::string& lastCol, double height) {
    s.setText(row, 0, text);
    s.format("A" + rowNo(row), [](Format& f) {
        f.wrap = true;
        f.vAlign = xlsx::VAlign::Top;
    });
    s.merge("A" + rowNo(row) + ":" + lastCol + rowNo(row));
    s.setRowHeight(row, height);
}

void captions(Sheet& s, int row, const std::vector<std::string>& texts) {
    for (size_t c = 0; c < texts.size(); ++c) s.setText(row, static_cast<int>(c), texts[c]);
    s.format(xlsx::Range{row, 0, row, static_cast<int>(texts.size()) - 1}, [](Format& f) {
        f.bold = true;
        f.wrap = true;
        f.fill = kHeaderFill;
        f.vAlign = xlsx::VAlign::Center;
        f.bottom = xlsx::Line::Thin;
    });
    s.setRowHeight(row, 30);
}

void inputs(Sheet& s, const std::string& a1, const char* numberFormat = nullptr) {
    s.format(a1, [&](Format& f) {
        f.locked = false;
        f.fill = kInputFill;
        f.left = f.right = f.top = f.bottom = xlsx::Line::Thin;
        f.borderColor = 0xBFBFBF;
        if (numberFormat) f.numberFormat = numberFormat;
    });
}

void money(Sheet& s, const std::string& a1, bool bold = false) {
    s.format(a1, [&](Format& f) {
        f.numberFormat = xlsx::kCurrencyFormat;
        f.bold = bold;
    });
}

void result(Sheet& s, const std::string& a1) {
    s.format(a1, [](Format& f) {
        f.fill = kResultFill;
        f.bold = true;
    });
}

Sheet::Validation amountRule() {
    Sheet::Validation v;
    v.kind = Sheet::Validation::Kind::Decimal;
    v.minimum = 0;
    v.errorTitle = "Částka";
    v.errorMessage = "Zapište částku v korunách (nezáporné číslo).";
    return v;
}

Sheet::Validation spouseRule() {
    Sheet::Validation v;
    v.kind = Sheet::Validation::Kind::List;
    v.items = {"1", "2"};
    v.errorTitle = "Manžel";
    v.errorMessage = "Zapište 1 (manžel 1) nebo 2 (manžel 2).";
    return v;
}

void instructions(Sheet& s) {
    title(s, "Vypořádání společného jmění manželů", "A");
    s.setColumnWidth(0, 0, 75);  // fits the width of an A4 page
    const std::vector<std::pair<std::string, bool>> lines = {
        {"Sešit spočítá vypořádací podíl: kolik má jeden z manželů doplatit druhému, aby každý dostal, co mu ze "
         "společného jmění náleží (§ 736 až 742 občanského zákoníku, zákon č. 89/2012 Sb.).", false},
        {"Postup", true},
        {"1. List „Majetek“: zapište položky společného majetku s jejich obvyklou cenou a ve sloupci D zvolte, kdo "
         "z manželů položku převezme (1 nebo 2).", false},
        {"2. List „Dluhy“: zapište společné dluhy s jejich výší a ve sloupci D zvolte, kdo z manželů je převezme.",
         false},
        {"3. List „Vnosy“: v části A zapište, co který z manželů vynaložil ze svého výhradního majetku na společný "
         "majetek; v části B, co bylo ze společného majetku vynaloženo na výhradní majetek jednoho z nich.", false},
        {"4. List „Výsledek“: zapište jména manželů. Podíly jsou předvyplněny jako stejné (50 %, § 742 odst. 1 "
         "písm. a) občanského zákoníku); jiný podíl zapište, jen když se od stejných podílů odchyluje dohoda nebo "
         "rozhodnutí soudu.", false},
        {"Jak se počítá", true},
        {"Čistá hodnota je majetek bez dluhů. Odečte se od ní, co se z ní manželům nahrazuje (vnosy A), a přičte, "
         "co do ní manželé nahrazují (vnosy B); zbytek se rozdělí podle podílů. Každému se pak přičte náhrada jeho "
         "vnosů A a odečte náhrada toho, co šlo na jeho výhradní majetek (vnosy B). Rozdíl mezi tímto nárokem a "
         "tím, co manžel převezme (majetek bez dluhů), je vypořádací podíl, který mu druhý z manželů doplatí.",
         false},
        {"Vyplňují se jen žlutá pole; buňky se vzorci jsou zamčené, aby se omylem nepřepsaly. Zámek listů nemá "
         "heslo: v tabulkovém programu jej lze zrušit (Revize → Odemknout list).", false},
        {"Sešit se z programu otevírá jen pro čtení: vyplněný výpočet uložte pod novým jménem (Soubor → Uložit "
         "jako).", false},
        {"Výpočet je pomůckou. Co do společného jmění patří, jakou to má hodnotu a zda je na místě odchýlit se od "
         "stejných podílů, musí posoudit ten, kdo vypořádání připravuje.", false},
    };
    int row = 2;
    for (const auto& [text, heading] : lines) {
        s.setText(row, 0, text);
        s.format("A" + rowNo(row), [heading = heading](Format& f) {
            f.wrap = true;
            f.bold = heading;
            f.vAlign = xlsx::VAlign::Top;
        });
        // About 70 characters a line at this width.
        const auto chars = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
        if (!heading) s.setRowHeight(row, 15.0 * static_cast<double>((chars + 69) / 70) + 2);
        row += heading ? 1 : 2;
    }
    s.setFitToPagesWide(1);
    s.protect();
}

// The sheets of assets and of debts: numbered rows to fill in, then in column
// C the total, what each spouse takes over and what nobody does yet.
void itemList(Sheet& s, const std::string& heading, const std::string& explanation,
              const std::vector<std::string>& columnCaptions, const std::string& whoTakes) {
    title(s, heading, "E");
    note(s, 1, explanation, "E", 32);
    captions(s, 3, columnCaptions);
    const int first = 4, last = first + kItemRows - 1;
    for (int r = first; r <= last; ++r) s.setNumber(r, 0, r - first + 1);
    const std::string end = rowNo(last);
    inputs(s, "B" + rowNo(first) + ":E" + end);
    money(s, "C" + rowNo(first) + ":C" + end);
    s.format("D" + rowNo(first) + ":D" + end, [](Format& f) { f.hAlign = xlsx::HAlign::Center; });
    s.validate("C" + rowNo(first) + ":C" + end, amountRule());
    s.validate("D" + rowNo(first) + ":D" + end, spouseRule());

    const std::string values = "C" + rowNo(first) + ":C" + end, who = "D" + rowNo(first) + ":D" + end;
    const int total = last + 2;
    s.setText(total, 1, "Celkem");
    s.setFormula(total, 2, "=SUM(" + values + ")", 0);
    s.setText(total + 1, 1, whoTakes + " manžel 1");
    s.setFormula(total + 1, 2, "=SUMIF(" + who + ",1," + values + ")", 0);
    s.setText(total + 2, 1, whoTakes + " manžel 2");
    s.setFormula(total + 2, 2, "=SUMIF(" + who + ",2," + values + ")", 0);
    s.setText(total + 3, 1, "Nepřiřazeno (zapište 1 nebo 2)");
    s.setFormula(total + 3, 2, "=C" + rowNo(total) + "-C" + rowNo(total + 1) + "-C" + rowNo(total + 2), 0);
    money(s, "C" + rowNo(total) + ":C" + rowNo(total + 3), true);
    s.format("B" + rowNo(total) + ":B" + rowNo(total + 3), [](Format& f) { f.bold = true; });

    s.setColumnWidth(0, 0, 5);
    s.setColumnWidth(1, 1, 44);
    s.setColumnWidth(2, 2, 18);
    s.setColumnWidth(3, 3, 12);
    s.setColumnWidth(4, 4, 34);
    s.freezePanes(4, 0);
    s.setFitToPagesWide(1);
    s.protect();
}

// Row of the total under an item list and the rows after it (0-based).
constexpr int kItemTotalRow = 4 + kItemRows + 1;  // "Celkem"; +1, +2 per spouse; +3 not assigned

void paymentPart(Sheet& s, int row, const std::string& heading) {
    s.setText(row, 0, heading);
    s.format("A" + rowNo(row), [](Format& f) { f.bold = true; });
    s.merge("A" + rowNo(row) + ":D" + rowNo(row));
    captions(s, row + 1, {"Č.", "Popis (na co, kdy, z čeho)", "Manžel 1 (Kč)", "Manžel 2 (Kč)"});
    const int first = row + 2, last = first + kPaymentRows - 1;
    for (int r = first; r <= last; ++r) s.setNumber(r, 0, r - first + 1);
    inputs(s, "B" + rowNo(first) + ":D" + rowNo(last));
    money(s, "C" + rowNo(first) + ":D" + rowNo(last));
    s.validate("C" + rowNo(first) + ":D" + rowNo(last), amountRule());
    const int total = last + 1;
    s.setText(total, 1, "Celkem");
    s.setFormula(total, 2, "=SUM(C" + rowNo(first) + ":C" + rowNo(last) + ")", 0);
    s.setFormula(total, 3, "=SUM(D" + rowNo(first) + ":D" + rowNo(last) + ")", 0);
    money(s, "C" + rowNo(total) + ":D" + rowNo(total), true);
    s.format("B" + rowNo(total), [](Format& f) { f.bold = true; });
}

constexpr int kPaymentsA = 3;                                // heading row of part A
constexpr int kPaymentsATotal = kPaymentsA + 2 + kPaymentRows;  // its "Celkem"
constexpr int kPaymentsB = kPaymentsATotal + 2;
constexpr int kPaymentsBTotal = kPaymentsB + 2 + kPaymentRows;

void payments(Sheet& s) {
    title(s, "Vnosy: náhrady mezi výhradním a společným majetkem", "D");
    note(s, 1,
         "Každý z manželů má právo na náhradu toho, co ze svého výhradního majetku vynaložil na společný majetek, a "
         "nahradí, co ze společného majetku bylo vynaloženo na jeho výhradní majetek (§ 742 odst. 1 písm. b) a c) "
         "občanského zákoníku).",
         "D", 46);
    paymentPart(s, kPaymentsA, "A. Ze svého výhradního majetku na společný majetek vynaložil");
    paymentPart(s, kPaymentsB, "B. Ze společného majetku bylo vynaloženo na výhradní majetek");
    s.setColumnWidth(0, 0, 5);
    s.setColumnWidth(1, 1, 52);
    s.setColumnWidth(2, 3, 18);
    s.setFitToPagesWide(1);
    s.protect();
}

std::string ref(const char* sheet, const std::string& cell) { return std::string("'") + sheet + "'!" + cell; }

void resultSheet(Sheet& s) {
    title(s, "Výsledek vypořádání", "C");
    const std::string assets = ref("Majetek", "C" + rowNo(kItemTotalRow));
    const std::string debts = ref("Dluhy", "C" + rowNo(kItemTotalRow));
    const std::string paidInA1 = ref("Vnosy", "C" + rowNo(kPaymentsATotal));
    const std::string paidInA2 = ref("Vnosy", "D" + rowNo(kPaymentsATotal));
    const std::string paidOutB1 = ref("Vnosy", "C" + rowNo(kPaymentsBTotal));
    const std::string paidOutB2 = ref("Vnosy", "D" + rowNo(kPaymentsBTotal));

    // Rows below are the spreadsheet's rows minus one.
    captions(s, 2, {"Účastníci", "Manžel 1", "Manžel 2"});
    s.setText(3, 0, "Jméno");
    inputs(s, "B4:C4");
    s.setText(4, 0, "Podíl na společném jmění");
    s.setNumber(4, 1, 0.5);
    inputs(s, "B5", kPercentFormat);
    s.setFormula(4, 2, "=1-B5", 0.5);
    s.format("C5", [](Format& f) { f.numberFormat = kPercentFormat; });
    Sheet::Validation share;
    share.kind = Sheet::Validation::Kind::Decimal;
    share.minimum = 0;
    share.maximum = 1;
    share.errorTitle = "Podíl";
    share.errorMessage = "Zapište podíl mezi 0 % a 100 %.";
    s.validate("B5", share);

    captions(s, 6, {"Společné jmění", "Kč", ""});
    const std::vector<std::pair<std::string, std::string>> mass = {
        {"Hodnota společného majetku", "=" + assets},
        {"Společné dluhy", "=" + debts},
        {"Čistá hodnota (majetek − dluhy)", "=B8-B9"},
        {"− náhrady manželům z čisté hodnoty (vnosy A)", "=" + paidInA1 + "+" + paidInA2},
        {"+ náhrady manželů do čisté hodnoty (vnosy B)", "=" + paidOutB1 + "+" + paidOutB2},
        {"Hodnota k rozdělení podle podílů", "=B10-B11+B12"},
    };
    for (size_t i = 0; i < mass.size(); ++i) {
        s.setText(7 + static_cast<int>(i), 0, mass[i].first);
        s.setFormula(7 + static_cast<int>(i), 1, mass[i].second, 0);
    }
    money(s, "B8:B13");
    result(s, "B13");

    const std::string name1 = "=IF(B4=\"\",\"Manžel 1\",B4)", name2 = "=IF(C4=\"\",\"Manžel 2\",C4)";
    auto spouseCaptions = [&](int row, const std::string& text) {
        captions(s, row, {text, "", ""});
        s.setTextFormula(row, 1, name1, "Manžel 1");
        s.setTextFormula(row, 2, name2, "Manžel 2");
    };
    spouseCaptions(14, "Nárok každého z manželů");
    const std::vector<std::tuple<std::string, std::string, std::string>> claim = {
        {"Podíl na hodnotě k rozdělení", "=$B$13*B5", "=$B$13*C5"},
        {"+ náhrada toho, co vynaložil ze svého na společné (A)", "=" + paidInA1, "=" + paidInA2},
        {"− náhrada toho, co šlo ze společného na jeho majetek (B)", "=-" + paidOutB1, "=-" + paidOutB2},
        {"Nárok celkem", "=SUM(B16:B18)", "=SUM(C16:C18)"},
    };
    for (size_t i = 0; i < claim.size(); ++i) {
        const int row = 15 + static_cast<int>(i);
        s.setText(row, 0, std::get<0>(claim[i]));
        s.setFormula(row, 1, std::get<1>(claim[i]), 0);
        s.setFormula(row, 2, std::get<2>(claim[i]), 0);
    }
    money(s, "B16:C19");
    s.format("A19:C19", [](Format& f) { f.bold = true; });

    spouseCaptions(20, "Co každý z manželů převezme");
    const std::string take = "C" + rowNo(kItemTotalRow + 1), take2 = "C" + rowNo(kItemTotalRow + 2);
    s.setText(21, 0, "Majetek");
    s.setFormula(21, 1, "=" + ref("Majetek", take), 0);
    s.setFormula(21, 2, "=" + ref("Majetek", take2), 0);
    s.setText(22, 0, "Dluhy");
    s.setFormula(22, 1, "=-" + ref("Dluhy", take), 0);
    s.setFormula(22, 2, "=-" + ref("Dluhy", take2), 0);
    s.setText(23, 0, "Převezme celkem");
    s.setFormula(23, 1, "=B22+B23", 0);
    s.setFormula(23, 2, "=C22+C23", 0);
    money(s, "B22:C24");
    s.format("A24:C24", [](Format& f) { f.bold = true; });

    s.setText(25, 0, "Vypořádací podíl (nárok − převezme)");
    s.setFormula(25, 1, "=B19-B24", 0);
    s.setFormula(25, 2, "=C19-C24", 0);
    money(s, "B26:C26", true);

    const std::string unassigned = "OR(ROUND(" + ref("Majetek", "C" + rowNo(kItemTotalRow + 3)) + ",2)<>0,ROUND(" +
                                   ref("Dluhy", "C" + rowNo(kItemTotalRow + 3)) + ",2)<>0)";
    captions(s, 27, {"Výsledek", "", ""});
    s.setText(28, 0, "Vypořádací podíl platí");
    s.setTextFormula(28, 1, "=IF(" + unassigned + ",\"–\",IF(ROUND(B26,2)>0,C15,IF(ROUND(B26,2)<0,B15,\"nikdo\")))",
                     "nikdo");
    s.setText(29, 0, "Vypořádací podíl dostane");
    s.setTextFormula(29, 1, "=IF(" + unassigned + ",\"–\",IF(ROUND(B26,2)>0,B15,IF(ROUND(B26,2)<0,C15,\"nikdo\")))",
                     "nikdo");
    s.setText(30, 0, "Částka");
    s.setFormula(30, 1, "=IF(" + unassigned + ",0,ABS(ROUND(B26,2)))", 0);
    money(s, "B31");
    result(s, "B29:B31");
    s.setTextFormula(31, 0,
                     "=IF(" + unassigned + ",\"Pozor: část majetku nebo dluhů není přiřazena žádnému z manželů "
                     "(listy Majetek a Dluhy, sloupec D).\",\"\")",
                     "");
    s.format("A32", [](Format& f) {
        f.bold = true;
        f.wrap = true;
        f.vAlign = xlsx::VAlign::Top;
        f.fontColor = 0xC00000;
    });
    s.merge("A32:C32");
    s.setRowHeight(31, 32);

    s.setColumnWidth(0, 0, 56);
    s.setColumnWidth(1, 2, 22);
    s.setFitToPagesWide(1);
    s.protect();
}

}  // namespace

xlsx::Workbook settlementWorkbook() {
    xlsx::Workbook book;
    instructions(book.addSheet("Návod"));
    itemList(book.addSheet("Majetek"), "Společný majetek",
             "Položky společného majetku s obvyklou cenou ke dni vypořádání. Ve sloupci D zvolte, kdo z manželů "
             "položku převezme: 1 nebo 2.",
             {"Č.", "Položka (věc, právo, pohledávka)", "Obvyklá cena (Kč)", "Převezme manžel", "Poznámka"},
             "Převezme");
    itemList(book.addSheet("Dluhy"), "Společné dluhy",
             "Společné dluhy s jejich výší ke dni vypořádání. Ve sloupci D zvolte, kdo z manželů dluh převezme: 1 "
             "nebo 2.",
             {"Č.", "Dluh (věřitel, účel)", "Výše (Kč)", "Převezme manžel", "Poznámka"}, "Převezme");
    payments(book.addSheet("Vnosy"));
    resultSheet(book.addSheet("Výsledek"));
    xlsx::Properties p;
    p.title = "Vypořádání společného jmění manželů";
    p.subject = "Výpočet vypořádacího podílu";
    p.author = "Verdika";
    p.created = 1735689600;  // 1.1.2025: a rebuilt workbook is the same file
    book.setProperties(p);
    return book;
}

void writeSettlementWorkbook(const std::filesystem::path& file) { settlementWorkbook().save(file); }

std::filesystem::path provideSettlementWorkbook(const std::filesystem::path& programDir,
                                                const std::filesystem::path& dataDir) {
    namespace fs = std::filesystem;
    const fs::path target = dataDir / kSettlementWorkbook;
    std::error_code ec;
    if (fs::exists(target, ec)) return target;
    const fs::path shipped = programDir / kSettlementWorkbook;
    if (fs::exists(shipped, ec)) {
        if (!PridatDokument(target, shipped))
            throw IoError("Sešit " + pathText(shipped) + " nelze zkopírovat do " + pathText(target) + ".");
    } else {
        writeSettlementWorkbook(target);
    }
    fs::permissions(target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, ec);
    return target;
}

}  // namespace verdika
