#pragma once
// Shared bits of the fuzz targets: the input as text, the shipped tables,
// and a check that stops the run with a message libFuzzer keeps.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace verdika::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The build's program directory with the shipped tables (Windows-1250).
inline std::filesystem::path shippedDir() { return VERDIKA_SHIPPED_DIR; }

// A property that must hold for every input; a failure is a finding.
inline void check(bool ok, const char* what, std::string_view detail = {}) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

}  // namespace verdika::fuzz
