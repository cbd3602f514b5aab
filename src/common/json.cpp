#include "common/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace verdika {

std::string jsonEscape(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

void JsonWriter::separator() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

JsonWriter& JsonWriter::beginObject() {
    separator();
    out_ += '{';
    first_.push_back(true);
    return *this;
}
JsonWriter& JsonWriter::endObject() {
    out_ += '}';
    first_.pop_back();
    return *this;
}
JsonWriter& JsonWriter::beginArray() {
    separator();
    out_ += '[';
    first_.push_back(true);
    return *this;
}
JsonWriter& JsonWriter::endArray() {
    out_ += ']';
    first_.pop_back();
    return *this;
}
JsonWriter& JsonWriter::key(std::string_view k) {
    separator();
    out_ += jsonEscape(k) + ':';
    afterKey_ = true;
    return *this;
}
JsonWriter& JsonWriter::value(std::string_view v) {
    separator();
    out_ += jsonEscape(v);
    return *this;
}
JsonWriter& JsonWriter::value(double v) {
    separator();
    if (!std::isfinite(v)) {
        out_ += "null";
        return *this;
    }
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out_.append(buf, r.ptr);
    return *this;
}
JsonWriter& JsonWriter::value(std::int64_t v) {
    separator();
    out_ += std::to_string(v);
    return *this;
}
JsonWriter& JsonWriter::value(bool v) {
    separator();
    out_ += v ? "true" : "false";
    return *this;
}
JsonWriter& JsonWriter::null() {
    separator();
    out_ += "null";
    return *this;
}

}  // namespace verdika
