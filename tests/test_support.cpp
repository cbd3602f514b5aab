#include "test_support.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#if !defined(_WIN32)
#include <sys/wait.h>
#endif

#include <zip.h>

#include "common/cp1250.h"

namespace verdika::test {

TempDir::TempDir() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path p = fs::temp_directory_path() / ("verdika-test-" + std::to_string(rd()));
        std::error_code ec;
        if (fs::create_directory(p, ec)) {
            path_ = p;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto& e : fs::recursive_directory_iterator(path_, ec))
        fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

fs::path shippedDir() { return fs::path(VERDIKA_SHIPPED_DIR); }

void writeBytes(const fs::path& file, std::string_view bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void writeCp1250(const fs::path& file, std::string_view utf8) {
    auto enc = utf8ToCp1250(utf8);
    if (!enc) throw std::runtime_error("text not representable in Windows-1250");
    writeBytes(file, *enc);
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string zipMember(const fs::path& file, const char* name) {
    int err = 0;
    zip_t* z = zip_open(file.c_str(), ZIP_RDONLY, &err);
    if (!z) return "(not a zip)";
    std::string out;
    if (zip_file_t* f = zip_fopen(z, name, 0)) {
        char buf[4096];
        zip_int64_t n;
        while ((n = zip_fread(f, buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
        zip_fclose(f);
    }
    zip_close(z);
    return out;
}

int runCommand(const std::string& commandLine, std::string* out, std::string* err) {
    TempDir tmp;
    const fs::path o = tmp / "out", e = tmp / "err";
    const std::string cmd = commandLine + " >'" + o.string() + "' 2>'" + e.string() + "'";
    int status = std::system(cmd.c_str());
    if (out) *out = readBytes(o);
    if (err) *err = readBytes(e);
#if defined(_WIN32)
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace verdika::test
