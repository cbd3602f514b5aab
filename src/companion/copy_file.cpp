#include "companion/copy_file.h"

#include "common/errors.h"
#include "common/files.h"

namespace verdika {

bool PridatDokument(const std::filesystem::path& target, const std::filesystem::path& source) {
    auto bytes = readFileBytes(source);
    if (!bytes) return false;
    try {
        writeFileAtomic(target, *bytes);
    } catch (const IoError&) {
        return false;
    }
    return true;
}

}  // namespace verdika
