// The pocket calculator: any sequence of keys stops on nothing but the
// calculator's own messages, and every result it shows is a number it reads.
#include "calculators/pocket_calculator.h"
#include "common/numbers.h"
#include "fuzz_support.h"

using namespace verdika;
using namespace verdika::calc;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PocketCalculator pc;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        const unsigned key = static_cast<unsigned char>(c) % 24;
        bool computed = false;
        try {
            switch (key) {
                case 0: pc.comma(); break;
                case 1: pc.operatorKey("+-*/"[(static_cast<unsigned char>(c) >> 5) & 3]); break;
                case 2: pc.plusMinus(); break;
                case 3: pc.square(); break;
                case 4: pc.reciprocal(); break;
                case 5: pc.percent(); break;
                case 6: pc.equals(); break;
                case 7: pc.clear(); break;
                case 8: pc.backspace(); break;
                case 9: pc.keepDisplay(); break;
                case 10: pc.recallSelected(); break;
                case 11: pc.select(static_cast<unsigned char>(c) >> 5); break;
                case 12: pc.deleteSelected(); break;
                case 13: pc.sumResults(); break;
                case 14: {
                    // The rest of the input is pasted, as a user pastes text copied elsewhere.
                    pc.paste(fuzz::asText(data + i + 1, size - i - 1));
                    i = size;
                    break;
                }
                case 15: pc.addResult(Format_Castky(pc.lastResult()), "výsledek"); break;
                default: pc.typed(static_cast<char32_t>("0123456789,+-*/=%x"[static_cast<unsigned char>(c) % 18])); break;
            }
            computed = key == 2 || key == 3 || key == 4 || key == 6 || key == 13;
        } catch (const Error&) {
            // division by zero, a result too large, a text that is no number: the calculator says so
        }
        // A result shown is one the calculator can go on with.
        if (computed) check(Je_Cislo(pc.display()), "a result on the display reads back", pc.display());
    }
    return 0;
}
