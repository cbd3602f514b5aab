#pragma once
// What the program holds open for its whole run: both directories, the
// settings file and the two databases. Created before the main window.
#include <memory>

#include "app/paths.h"
#include "app/settings.h"
#include "app/startup.h"
#include "common/sqlite_db.h"
#include "deadlines/task_store.h"

namespace verdika {

class DataModule {
public:
    // Prepares the data directory and opens the databases; throws IoError
    // (naming the folder or file) when that is not possible.
    explicit DataModule(AppPaths paths);

    const AppPaths& paths() const { return paths_; }
    std::filesystem::path programFile(std::string_view name) const { return paths_.programDir / name; }
    std::filesystem::path dataFile(std::string_view name) const { return paths_.dataDir / name; }

    Settings& settings() { return settings_; }
    TaskStore& tasks() { return *tasks_; }
    Database& institutions() { return *institutions_; }
    const StartupReport& startupReport() const { return report_; }

private:
    AppPaths paths_;
    StartupReport report_;
    Settings settings_;
    std::unique_ptr<TaskStore> tasks_;
    std::unique_ptr<Database> institutions_;
};

}  // namespace verdika
