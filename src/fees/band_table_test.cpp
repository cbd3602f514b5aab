#include "fees/band_table.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "fees/executor_fee.h"
#include "fees/notary_fee.h"

namespace verdika::fees {
namespace {

TEST(BandTable, CumulativeBandsStopAtTheValueAndAtTheLastBorder) {
    const std::vector<Band> bands = {{100000, 2}, {500000, 1}};
    struct Case {
        double value, fee;
    } cases[] = {{0, 0}, {50000, 1000}, {100000, 2000}, {300000, 4000}, {500000, 6000}, {900000, 6000}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(bandSum(bands, c.value), c.fee) << c.value;
}

// Malformed tables stop the computation with a message naming the file, the
// item and the key, for the notary and the executor alike.
TEST(BandTable, MalformedTablesAreReportedWithFileItemAndKey) {
    std::string twelve = "[1]\npocet=12\n";
    for (int k = 1; k <= 12; ++k) twelve += std::to_string(k) + "=" + std::to_string(k * 1000) + ";1\n";
    struct Case {
        std::string ini;
        int item;
        const char* key;
    } cases[] = {
        {twelve, 1, "pocet"},
        {"[1]\npocet=2\n1=100000;2\n2=500000\n", 1, "„2“"},
        {"[1]\npocet=1\n1=sto;2\n", 1, "„1“"},
        {"[1]\n1=100000;dva\n", 1, "„1“"},
        {"[1]\npocet=2\n1=100000;2\n", 1, "„2“"},  // the second band is missing
        {"[1]\nsazba=0\n", 5, "[5]"},                // no section for the item
        {"[2]\npodle=7\n", 2, "[7]"},                // the referenced item is missing
    };
    for (const auto& c : cases) {
        for (const char* file : {"notar_tarif.ini", "exekutor_tarif.ini"}) {
            const auto t = IniFile::parse(c.ini, file);
            try {
                if (std::string(file) == "notar_tarif.ini")
                    Spocitat_Odmenu_Notare(t, c.item, 1000);
                else
                    Spocitat_Odmenu_Exekutora(t, c.item, false, false, 1000);
                FAIL() << file << " " << c.ini;
            } catch (const DataError& e) {
                const std::string m = e.what();
                EXPECT_NE(m.find(file), std::string::npos) << m;
                EXPECT_NE(m.find(c.key), std::string::npos) << m;
            }
        }
    }
}

}  // namespace
}  // namespace verdika::fees
