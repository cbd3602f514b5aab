#include "common/shared_library.h"

#include <dlfcn.h>

#include "common/errors.h"

namespace verdika {

SharedLibrary::SharedLibrary(std::string soname, std::string what) : soname_(std::move(soname)), what_(std::move(what)) {
    handle_ = dlopen(soname_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) fail(dlerror());
}

void* SharedLibrary::symbol(const char* name) const {
    dlerror();
    void* address = dlsym(handle_, name);
    if (!address) {
        const char* detail = dlerror();
        fail(detail ? detail : name);
    }
    return address;
}

void SharedLibrary::fail(const char* detail) const {
    throw IoError("Knihovnu " + soname_ + " (" + what_ + ") nelze načíst: " + (detail ? detail : "neznámá chyba") +
                  ". Nainstalujte ji, nebo program přeinstalujte.");
}

}  // namespace verdika
