#pragma once
// A C library opened when it is first needed rather than at start-up: the
// document writers' libraries (and the crypto library they bring) are mapped
// only by the sessions that write or read a document.
//
// A library's functions are kept in a table filled once, every entry looked
// up before the first call, so a missing library or function is told before
// any work starts and never halfway through a file (companion/zip_library.h
// shows the use). A failed first use throws, and the next use tries again.
#include <string>

namespace verdika {

class SharedLibrary {
public:
    // soname: the file the dynamic loader looks for ("libzip.so.4"); what:
    // its use, for the message ("dokumenty Word"). Throws IoError. The library
    // stays loaded for the rest of the run, since tables point into it.
    SharedLibrary(std::string soname, std::string what);

    // The address of a function; throws IoError when the library lacks it.
    void* symbol(const char* name) const;

private:
    [[noreturn]] void fail(const char* detail) const;
    std::string soname_;
    std::string what_;
    void* handle_ = nullptr;
};

}  // namespace verdika

// The members of a table of a library's functions, each typed as the
// library's header declares it: FUNCTIONS is a list macro X(f) X(g) ...
#define VERDIKA_LIBRARY_MEMBER(function) decltype(&::function) function = nullptr;
#define VERDIKA_LIBRARY_LOOKUP(function) \
    table.function = reinterpret_cast<decltype(&::function)>(library.symbol(#function));

// Defines `const Table& name()`, which opens the library and fills the table
// on its first call (see above).
#define VERDIKA_DEFINE_LIBRARY_TABLE(Table, name, soname, what, FUNCTIONS) \
    const Table& name() {                                                  \
        static const Table api = [] {                                      \
            const ::verdika::SharedLibrary library(soname, what);           \
            Table table;                                                   \
            FUNCTIONS(VERDIKA_LIBRARY_LOOKUP)                              \
            return table;                                                  \
        }();                                                               \
        return api;                                                        \
    }
