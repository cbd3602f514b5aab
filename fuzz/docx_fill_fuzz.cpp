// Filling a word-processor template: the input is the body XML of a template
// a user may have edited in any program. Filling either refuses the file with
// a message or writes a document that reads back, leaves the template as it
// was, and leaves no placeholder behind in the body's texts.
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/errors.h"
#include "companion/docx.h"
#include "fuzz_support.h"

using namespace verdika;
using fuzz::check;
namespace fs = std::filesystem;

namespace {

const fs::path& workDir() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("verdika-docx-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

constexpr std::string_view kContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" )"
    R"(ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(</Types>)";
constexpr std::string_view kRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" )"
    R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" )"
    R"(Target="word/document.xml"/></Relationships>)";

void addPart(zip_t* z, const char* name, std::string_view text) {
    zip_source_t* src = zip_source_buffer(z, text.data(), text.size(), 0);
    check(src && zip_file_add(z, name, src, ZIP_FL_OVERWRITE) >= 0, "template part added");
}

void writeTemplate(const fs::path& file, std::string_view body) {
    fs::remove(file);
    int err = 0;
    zip_t* z = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    check(z != nullptr, "template opened for writing");
    addPart(z, "[Content_Types].xml", kContentTypes);
    addPart(z, "_rels/.rels", kRels);
    addPart(z, "word/document.xml", body);
    check(zip_close(z) == 0, "template written");
}

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path tmpl = workDir() / "template.docx";
    const fs::path out = workDir() / "filled.docx";
    writeTemplate(tmpl, fuzz::asText(data, size));
    const std::string before = bytesOf(tmpl);
    fs::remove(out);
    // Placeholders of the petitions, one a prefix of another; values with a
    // line break, a tab and characters XML must escape.
    const std::vector<docx::Replacement> replacements{
        {"_odmena", "1 234,50 Kč"},
        {"_odmena_RP", "300 Kč\n<&>\"'"},
        {"_jmeno", "JUDr. Jana Nováková\tadvokátka"},
    };
    try {
        docx::fillTemplate(tmpl, out, replacements);
    } catch (const Error&) {
        check(!fs::exists(out), "a refused template writes nothing");
        check(bytesOf(tmpl) == before, "a refused template is left as it was");
        return 0;
    }
    check(bytesOf(tmpl) == before, "the template is left as it was");
    std::vector<std::string> texts;
    try {
        texts = docx::paragraphTexts(out);
    } catch (const Error& e) {
        check(false, "a filled document reads back", e.what());
    }
    for (const std::string& t : texts)
        check(t.find("_odmena") == std::string::npos && t.find("_jmeno") == std::string::npos,
              "no placeholder is left in the body", t);
    return 0;
}
