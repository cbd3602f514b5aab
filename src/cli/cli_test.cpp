#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

#include "cli_test_support.h"

namespace verdika {
namespace {

using test::runCli;

TEST(CliNumbers, ReadAsTheProgramWritesThem) {
    const std::pair<const char*, double> read[] = {
        {"100.000", 100000},  {"1.234.567,50", 1234567.5}, {"100,5", 100.5}, {"-1.000", -1000},
        {"0,1", 0.1},         {" 12 ", 12},                {"999", 999},     {"1.000.000", 1e6},
    };
    for (const auto& [text, value] : read) EXPECT_DOUBLE_EQ(cli::parseNumber(text, "--x"), value) << text;

    // A dot that groups no thousands could be a decimal point: refused, never guessed.
    for (const char* text : {"100.5", "0.1", "1.00", "12.34.567", "1.0000", "1,000.5"}) {
        try {
            cli::parseNumber(text, "--hodnota");
            ADD_FAILURE() << text << " was read";
        } catch (const cli::UsageError& e) {
            const std::string m = e.what();
            EXPECT_NE(m.find("desetinnou část oddělte čárkou"), std::string::npos) << m;
            if (std::string(text) == "100.5") {
                EXPECT_NE(m.find("(100,5)"), std::string::npos) << m;
            }
            EXPECT_NE(m.find("(--hodnota)"), std::string::npos) << m;
        }
    }
    EXPECT_THROW(cli::parseNumber("abc", "--x"), cli::UsageError);
    EXPECT_THROW(cli::parseNumber(" ", "--x"), cli::UsageError);
}

TEST(CliNumbers, TheSameRuleOnEveryAmountOption) {
    // The tariff value "100.000" is a hundred thousand, as the program shows it.
    const auto dotted = runCli("tarif --hodnota 100.000 --ukon 1.3.2013:úkon --json");
    const auto plain = runCli("tarif --hodnota 100000 --ukon 1.3.2013:úkon --json");
    ASSERT_EQ(dotted.code, 0) << dotted.err;
    EXPECT_EQ(dotted.out, plain.out);
    for (const char* line : {"tarif --hodnota 100.5", "poplatek --polozka 8 --zaklad 2.5",
                             "cestovne --datum 1.1.2020 --km 10 --spotreba 5.5 --palivo 0",
                             "zadostiucineni --od 1.1.2010 --do 1.1.2013 --zaklad 15.000,5.5"}) {
        const auto r = runCli(line);
        EXPECT_EQ(r.code, 2) << line;
        EXPECT_TRUE(r.oneLineError()) << line << "\n" << r.err;
        EXPECT_TRUE(r.out.empty()) << line;
    }
}

TEST(CliJson, MoneyIsTheShownAmountAndDatesTheirTextForm) {
    // 2,675 is stored just below; the program shows 2,68 and so does the JSON.
    EXPECT_EQ(cli::money(2.675).dump(), "2.68");
    EXPECT_EQ(cli::money(182098.763775).dump(), "182098.76");
    EXPECT_EQ(cli::money(100000).get<double>(), 100000.0);
    EXPECT_EQ(cli::money(100000).dump().find('e'), std::string::npos);
    EXPECT_TRUE(cli::money(std::nan("")).is_null());
    EXPECT_EQ(cli::jsonDate(makeDate(2013, 3, 1)), "1.3.2013");
}

TEST(CliJson, EverySubcommandHasIt) {
    test::TempDir data;
    const char* lines[] = {
        "version --json",
        "paths --json",
        "tarif --hodnota 50.000 --ukon 1.3.2013:úkon --json",
        "cestovne --datum 15.6.2010 --km 100 --spotreba 7 --palivo 1 --json",
        "poplatek --polozka 8 --zaklad 20001 --datum 1.1.2014 --json",
        "notar --polozka 3 --hodnota 1.000.000 --json",
        "exekutor --polozka 1 --hodnota 12.345,67 --json",
        "insolvence --verze 4 --mesice-oddluzeni 60 --json",
        "uroky --jistina 10.000 --splatnost 14.1.2015 --do 13.2.2015 --json",
        "lhuta --od 1.3.2013 --pocet 15 --json",
        "odpor --ulozeno 2.1.2013 --json",
        "svatky --rok 2016 --json",
        "rozdil 1.1.2012 1.1.2013 --json",
        "ukoly --json",
        "zadostiucineni --od 1.1.2010 --do 1.1.2013 --zvysit 20 --json",
        "naklady --jistina 42.629,10 --datum 1.3.2005 --ukon 1.3.2005 --json",
        "srazky --mzda 35.000 --obdobi 3/2026 --json",
        "soudy --obec Kolín --json",
        "sjm --json",
    };
    std::set<std::string> covered;
    for (const char* line : lines) {
        const auto r = runCli(line, data.path());
        ASSERT_EQ(r.code, 0) << line << "\n" << r.err;
        EXPECT_TRUE(nlohmann::json::accept(r.out)) << line << "\n" << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << line;
        covered.insert(test::splitArgs(line).front());
    }
    for (const std::string& name : cli::subcommandNames()) EXPECT_TRUE(covered.count(name)) << name;

    const auto z = nlohmann::json::parse(runCli(lines[14]).out);
    EXPECT_EQ(z["zadostiucineni"].dump(), "30041.1");
    EXPECT_EQ(z["po_zmene"].dump(), "36049.32");
    EXPECT_EQ(z["od"], "1.1.2010");
    const auto h = nlohmann::json::parse(runCli(lines[11]).out);
    EXPECT_EQ(h[1]["datum"], "25.3.2016");
    EXPECT_EQ(h[1]["nazev"], "Velký pátek (ostatní svátek)");
    const auto d = nlohmann::json::parse(runCli(lines[9]).out);
    EXPECT_EQ(d["konec"], "18.3.2013");
    EXPECT_EQ(d["konec_posun"][0], "16.3.2013: vyšlo to na sobotu");
}

TEST(CliHelp, ListWithoutArgumentsAndEverySubcommandExplainsItself) {
    const auto list = runCli("");
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(runCli("--help").out, list.out);
    for (const std::string& name : cli::subcommandNames()) {
        EXPECT_NE(list.out.find("\n  " + name + " "), std::string::npos) << name;
        const auto help = runCli(name + " --help");
        EXPECT_EQ(help.code, 0) << name;
        for (const char* part : {"Použití: verdika-cli ", "Přepínače:\n", "\nPříklad:\n  verdika-cli " , "\nVýstup:\n",
                                 "  -h, --help"})
            EXPECT_NE(help.out.find(part), std::string::npos) << name << " lacks " << part << "\n" << help.out;
        // The example runs as it stands.
        const std::string marker = "Příklad:\n  verdika-cli ";
        const std::string example = help.out.substr(help.out.find(marker) + marker.size());
        const auto ran = runCli(example.substr(0, example.find('\n')));
        EXPECT_EQ(ran.code, 0) << name << ": " << example << "\n" << ran.err;
    }
    const std::string tarif = runCli("tarif --help").out;
    EXPECT_NE(tarif.find("  0 – Peněžité plnění\n"), std::string::npos) << tarif;
    EXPECT_NE(tarif.find("  34 – Rozvod manželství"), std::string::npos) << tarif;
    EXPECT_NE(tarif.find("--ukon DATUM:DRUH[:POPIS]"), std::string::npos) << tarif;
    const std::string trip = runCli("cestovne --help").out;
    for (const char* fuel : {"0 – Natural 95", "1 – Nafta", "2 – Normal 91", "3 – Super Plus 98"})
        EXPECT_NE(trip.find(fuel), std::string::npos) << fuel;
    EXPECT_NE(trip.find("--datum DATUM"), std::string::npos);
    EXPECT_NE(trip.find("den cesty (určuje sazby) (povinné)"), std::string::npos) << trip;
}

TEST(CliErrors, OneCzechLineAndExitTwo) {
    const std::pair<const char*, const char*> cases[] = {
        {"nic", "Neznámý příkaz „nic“"},
        {"svatky --rok 2016 --bogus", "Neznámý přepínač --bogus"},
        {"svatky --rok 2016 --bogus=1", "Neznámý přepínač --bogus"},
        {"svatky --rok 2016 navic", "Nečekaný argument „navic“"},
        {"svatky --rok", "U přepínače --rok chybí hodnota"},
        {"svatky", "Chybí povinný přepínač --rok."},
        {"svatky --rok 2016 --json=1", "Přepínač --json nemá hodnotu"},
        {"svatky --rok 1800", "--rok je celé číslo od 2000 do 9999"},
        {"tarif --hodnota 1000 --polovina --trojnasobek", "--polovina a --trojnasobek se vylučují"},
        {"tarif --hodnota -5", "nesmí být záporná"},
        {"lhuta --od 1.3.2013 --pocet 3 --typ tydny", "--typ nemá hodnotu „tydny“; zadejte dny, mesice nebo roky."},
        {"tarif --hodnota 1000 --ukon 1.3.2013:úkon navic", "Nečekaný argument „navic“"},
        {"lhuta --od 1.3.2013 --pocet -3", "--pocet je celé číslo od 0"},
        {"lhuta --od 1.3.2013 --pocet 3 --staveni 20.5.2012:10.5.2012", "Stavení končí dříve"},
        {"rozdil 1.1.2013 1.1.2012", "je dřívější než první"},
        {"zadostiucineni --od 1.1.2013 --do 1.1.2010", "je dřívější než jeho začátek"},
        {"zadostiucineni --od 1.1.2010 --do 1.1.2013 --zaklad -15000", "nesmí být záporná"},
        {"zadostiucineni --od 1.1.2010 --do 1.1.2013 --snizit 150", "o více než 100 %"},
        {"cestovne --datum 1.1.2020 --km -10 --spotreba 5 --palivo 0", "nesmí být záporná"},
        {"uroky --jistina -100 --splatnost 1.1.2024 --do 1.3.2024", "nesmí být záporná"},
        {"uroky --jistina 100 --splatnost 1.1.2024 --do 1.3.2024 --uhrada 2.1.2024:-5", "nesmí být záporná"},
    };
    for (const auto& [line, message] : cases) {
        const auto r = runCli(line);
        EXPECT_EQ(r.code, 2) << line;
        EXPECT_TRUE(r.oneLineError()) << line << "\n" << r.err;
        EXPECT_NE(r.err.find(message), std::string::npos) << line << "\n" << r.err;
        EXPECT_TRUE(r.out.empty()) << line;
    }
}

TEST(CliErrors, AMissingTableIsAFailureNotABadArgument) {
    test::TempDir program, data;
    std::ostringstream out, err;
    EXPECT_EQ(cli::run({"notar", "--polozka", "3", "--hodnota", "1000"}, AppPaths{program.path(), data.path()}, out, err),
              1);
    EXPECT_NE(err.str().find("notar_tarif.ini"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace verdika
