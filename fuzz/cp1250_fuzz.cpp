// Windows-1250 and UTF-8: whatever the program writes it reads back as it
// was, and whatever it reads is valid UTF-8.
#include "common/cp1250.h"
#include "fuzz_support.h"

using namespace verdika;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    const std::string decoded = decodeText(bytes);
    check(isValidUtf8(decoded), "decoded text is UTF-8");
    check(decodeText(encodeText(decoded)) == decoded, "a read text is written and read back unchanged", decoded);
    if (isValidUtf8(bytes))
        check(decodeText(encodeText(bytes)) == bytes, "a UTF-8 text is written and read back unchanged", bytes);
    // Every defined byte of the code page survives the way through UTF-8.
    const std::string utf8 = cp1250ToUtf8(bytes);
    if (utf8.find("\xEF\xBF\xBD") == std::string::npos)
        check(utf8ToCp1250(utf8) == std::string(bytes), "Windows-1250 through UTF-8 and back");
    return 0;
}
