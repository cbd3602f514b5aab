#pragma once
// A small JSON writer for the command line's --json output.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verdika {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view k);
    JsonWriter& value(std::string_view v);
    JsonWriter& value(const char* v) { return value(std::string_view(v)); }
    JsonWriter& value(double v);  // shortest form that reads back the same; non-finite as null
    JsonWriter& value(std::int64_t v);
    JsonWriter& value(int v) { return value(static_cast<std::int64_t>(v)); }
    JsonWriter& value(bool v);
    JsonWriter& null();
    template <typename T>
    JsonWriter& field(std::string_view k, const T& v) {
        key(k);
        return value(v);
    }
    const std::string& str() const { return out_; }

private:
    void separator();
    std::string out_;
    std::vector<bool> first_;  // per open container: no element written yet
    bool afterKey_ = false;
};

std::string jsonEscape(std::string_view s);

}  // namespace verdika
