#pragma once
// Errors the core reports to its callers. Every message is a short Czech
// sentence meant for the user; the UI shows it in a message box, the CLI
// prints it on one line.
#include <stdexcept>
#include <string>

namespace verdika {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Text typed by the user (or read from a file) that is not a number or date.
class ConversionError : public Error {
public:
    using Error::Error;
};

// A shipped or user table that cannot be used as it stands.
class DataError : public Error {
public:
    using Error::Error;
};

// A file that cannot be read or written.
class IoError : public Error {
public:
    using Error::Error;
};

}  // namespace verdika
