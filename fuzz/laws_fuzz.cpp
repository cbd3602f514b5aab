// Law texts as the law-text service sends them: any text is laid out for the
// word-processor export without a character Word would refuse, and any
// number typed is read or refused with a message.
#include "common/cp1250.h"
#include "common/errors.h"
#include "fuzz_support.h"
#include "reference/laws.h"

using namespace verdika;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = decodeText(fuzz::asText(data, size));
    try {
        const laws::LawId id = laws::parseLawId(text);
        check(!laws::lawTextUrl("http://127.0.0.1", id).empty(), "an id gives an address");
    } catch (const ConversionError&) {
    }
    auto history = laws::withLookup({"89/2012", "40/2009"}, text);
    check(history.size() <= laws::kHistoryLimit, "the history keeps its limit");
    for (const std::string& p : laws::exportParagraphs(text)) laws::isSectionHeading(p);
    const std::string xml = laws::exportDocument(text, "89/2012").documentXml();
    for (unsigned char c : xml)
        check(c >= 0x20 || c == '\t' || c == '\n' || c == '\r', "no control character in the document's XML");
    return 0;
}
