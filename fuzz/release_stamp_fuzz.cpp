// The release stamp's first line, as the release check downloads it: any
// text compares without a fault, and never as newer than itself.
#include "companion/release_stamp.h"
#include "fuzz_support.h"

using namespace verdika;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const auto nl = text.find('\n');
    const std::string_view remote = text.substr(0, nl);
    const std::string_view local = nl == std::string_view::npos ? std::string_view("0.1.0") : text.substr(nl + 1);
    check(!announcesNewerRelease(remote, remote), "a release is not newer than itself", remote);
    if (announcesNewerRelease(remote, local)) check(!announcesNewerRelease(local, remote), "newer is one way", text);
    return 0;
}
