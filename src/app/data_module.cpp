#include "app/data_module.h"

#include "common/errors.h"
#include "common/files.h"

namespace verdika {

namespace {
std::string reopenHint(const std::filesystem::path& file) {
    return " Soubor " + pathText(file) +
           " můžete přejmenovat nebo přesunout; program při dalším startu vytvoří nový, prázdný.";
}
}  // namespace

DataModule::DataModule(AppPaths paths)
    : paths_(std::move(paths)), report_(prepareDataDirectory(paths_)), settings_(paths_.dataDir / kSettingsFile) {
    const auto tasksFile = dataFile(kTasksDatabase);
    try {
        tasks_ = std::make_unique<TaskStore>(TaskStore::open(tasksFile));
    } catch (const IoError& e) {
        throw IoError(e.what() + reopenHint(tasksFile));
    }
    const auto instFile = dataFile(kInstitutionsDatabase);
    try {
        institutions_ = std::make_unique<Database>(Database::open(instFile));
        // The addresses page reads this table whole; fail now rather than on first use.
        institutions_->prepare("SELECT * FROM soudy ORDER BY nazev");
    } catch (const IoError& e) {
        throw IoError(e.what() + reopenHint(instFile));
    }
}

}  // namespace verdika
