#include "interest/report_file.h"

#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"

namespace verdika::interest {

namespace {

void checkCell(const std::string& cell) {
    if (cell.find('@') != std::string::npos)
        throw CaseError("Text „" + cell + "“ obsahuje znak @, který sestava úroků neumí uložit. Odstraňte ho.");
}

// Drops the text up to and including the first "@" and takes the text up to
// the next "@" as the next cell, `count` times.
std::vector<std::string> cells(std::string_view line, size_t count) {
    std::vector<std::string> out;
    for (size_t i = 0; i < count; ++i) {
        const auto at = line.find('@');
        line = at == std::string_view::npos ? std::string_view() : line.substr(at + 1);
        out.emplace_back(line.substr(0, line.find('@')));
    }
    return out;
}

}  // namespace

std::string savedAnnualRate(const Options& o) {
    if (o.kind == RateKind::Daily) return Format_Cislo(parseDecimal(o.dailyRate) * parseDecimal(o.yearLength));
    return Format_Cislo(parseDecimal(o.annualRate));
}

std::string reportFileText(const ReportFile& f) {
    std::string out;
    for (const DebtRow& d : f.debts) {
        for (const auto* c : {&d.due, &d.until, &d.principal, &d.label}) checkCell(*c);
        out += "d@" + d.due + "@" + d.until + "@" + d.principal + "@" + d.label + "@\r\n";
    }
    for (const PaymentRow& p : f.payments) {
        for (const auto* c : {&p.date, &p.amount, &p.label}) checkCell(*c);
        out += "p@" + p.date + "@" + p.amount + "@" + p.label + "@\r\n";
    }
    out += f.annualRate ? "v@" + *f.annualRate + "\r\n" : "z\r\n";
    out += f.mode == Mode::Fee ? "p\r\n" : "u\r\n";
    return out;
}

ReportFile parseReportFile(std::string_view text) {
    std::vector<std::string> lines;
    for (std::string& l : splitLines(text))
        if (!trimBlanks(l).empty()) lines.push_back(std::move(l));
    ReportFile f;
    // The last two lines close the file; everything before them is a row.
    const size_t rows = lines.size() >= 2 ? lines.size() - 2 : 0;
    for (size_t i = 0; i < rows; ++i) {
        if (lines[i].front() == 'd') {
            auto c = cells(lines[i], 4);
            f.debts.push_back(DebtRow{c[0], c[1], c[2], c[3]});
        } else {
            auto c = cells(lines[i], 3);
            f.payments.push_back(PaymentRow{c[0], c[1], c[2]});
        }
    }
    if (lines.size() >= 2) {
        const std::string& rate = lines[lines.size() - 2];
        if (rate.front() == 'v') f.annualRate = rate.size() > 2 ? rate.substr(2) : std::string();
    }
    if (!lines.empty()) f.mode = trimmed(lines.back()) == "u" ? Mode::Interest : Mode::Fee;
    return f;
}

void saveReportFile(const std::filesystem::path& path, const ReportFile& file) {
    writeTextFileAtomic(path, reportFileText(file));
}

ReportFile loadReportFile(const std::filesystem::path& path) {
    auto text = readTextFile(path);
    if (!text) throw IoError("Sestavu " + pathText(path) + " nelze otevřít.");
    return parseReportFile(*text);
}

}  // namespace verdika::interest
