#pragma once
#include <filesystem>

namespace verdika {

// Makes the target a copy of the source, replacing an older target. The copy
// goes to a temporary file that is renamed over the target, so an interrupted
// copy never leaves a broken file. A missing source leaves the target as it
// was. Returns false on any failure; callers that only need "best effort"
// (the start-up refresh) may ignore it.
bool PridatDokument(const std::filesystem::path& target, const std::filesystem::path& source);

}  // namespace verdika
