// INI files: any bytes load; what is loaded saves into a text that loads the
// same, and a written value reads back.
#include "common/cp1250.h"
#include "common/errors.h"
#include "common/ini.h"
#include "fuzz_support.h"

using namespace verdika;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniFile ini = IniFile::parse(decodeText(fuzz::asText(data, size)), "fuzz.ini");
    for (const std::string& section : ini.sectionNames()) {
        int decimals = 0;
        for (const auto& [key, value] : ini.sectionValues(section)) {
            check(ini.hasKey(section, key), "a listed key is found", key);
            ini.readInteger(section, key, 0);
            ini.readBool(section, key, false);
            if (++decimals > 2) continue;  // a refusal throws, which is slow: a few per section
            try {
                ini.readDecimal(section, key, 0);
            } catch (const DataError&) {
            }
        }
    }
    const std::string text = ini.toText();
    IniFile again = IniFile::parse(text);
    check(again.toText() == text, "a saved INI text loads the same", text);
    check(again.sectionNames().size() == ini.sectionNames().size(), "sections survive a save");
    again.writeString("fuzz", "klic", "hodnota\r\ns čárkou, a = znakem");
    check(IniFile::parse(again.toText()).readString("fuzz", "klic") == "hodnota  s čárkou, a = znakem",
          "a written value reads back");
    again.eraseSection("fuzz");
    check(!again.hasSection("fuzz"), "an erased section is gone");
    return 0;
}
