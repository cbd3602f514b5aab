// Set files of the costs sub-tabs ("*.vrd"): any file loads or is refused
// with a message, what loads is computed like the page's "Vypočítat", and
// what is saved loads back the same.
#include <unistd.h>

#include <fstream>

#include "common/errors.h"
#include "costs/calculation.h"
#include "costs/cost_set.h"
#include "costs/costs.h"
#include "fuzz_support.h"

using namespace verdika;
using namespace verdika::costs;
using fuzz::check;
namespace fs = std::filesystem;

namespace {

const fs::path& workDir() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("verdika-cost-set-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

template <typename Input, typename Load, typename Save, typename Calculate>
void roundTrip(const fs::path& file, Load load, Save save, Calculate calculate) {
    Input in;
    try {
        in = load(file);
    } catch (const Error&) {
        return;  // refused with a message
    }
    try {
        calculate(in);
    } catch (const Error&) {
        // a principal, date or figure the calculation cannot use: said
    }
    const fs::path once = workDir() / "once.vrd";
    const fs::path twice = workDir() / "twice.vrd";
    fs::remove(once);  // saving keeps a file's other keys: start from nothing
    fs::remove(twice);
    save(once, in);
    Input first;
    try {
        first = load(once);
    } catch (const Error& e) {
        check(false, "a saved set loads back", e.what());
    }
    save(twice, first);
    const Input second = load(twice);
    check(first.acts == second.acts, "acts survive a second save and load");
    if constexpr (requires { first.principal; })
        check(first.principal == second.principal, "the principal survives a second save and load");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Tables tables = Tables::load(fuzz::shippedDir());
    const fs::path file = workDir() / "input.vrd";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    roundTrip<MonetaryInput>(
        file, loadMonetarySet, saveMonetarySet, [](const MonetaryInput& in) { calculateMonetary(in, tables); });
    roundTrip<NonMonetaryInput>(
        file, loadNonMonetarySet, saveNonMonetarySet,
        [](const NonMonetaryInput& in) { calculateNonMonetary(in, tables); });
    return 0;
}
