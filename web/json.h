#pragma once
// A small JSON writer for what the core hands to the page: designs and updates.
#include "numfmt.h"
#include "update.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace web {

class Json {
  public:
    Json& beginObject() { return open('{'); }
    Json& endObject() { return close('}'); }
    Json& beginArray() { return open('['); }
    Json& endArray() { return close(']'); }
    Json& key(std::string_view name) {
        string(name);
        text_ += ':';
        afterKey_ = true;
        return *this;
    }
    Json& string(std::string_view s) {
        comma();
        text_ += '"';
        for (const char c : s) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                text_ += buf;
            } else {
                text_ += c; // UTF-8 passes through
            }
        }
        text_ += '"';
        return *this;
    }
    Json& number(long long n) {
        comma();
        text_ += std::to_string(n);
        return *this;
    }
    Json& number(std::uint32_t n) { return number(static_cast<long long>(n)); }
    Json& number(int n) { return number(static_cast<long long>(n)); }
    // A single-precision coordinate: nine significant digits read back as the same float.
    Json& coordinate(float x) {
        comma();
        text_ += rt::machineNumberSignificant(static_cast<double>(x), 9);
        return *this;
    }
    Json& boolean(bool b) {
        comma();
        text_ += b ? "true" : "false";
        return *this;
    }
    const std::string& text() const { return text_; }

  private:
    Json& open(char c) {
        comma();
        text_ += c;
        first_ = true;
        return *this;
    }
    Json& close(char c) {
        text_ += c;
        first_ = false;
        return *this;
    }
    void comma() {
        if (afterKey_) {
            afterKey_ = false;
        } else if (!first_) {
            text_ += ',';
        }
        first_ = false;
    }
    std::string text_;
    bool first_ = true;
    bool afterKey_ = false;
};

// [kind, name, text, x1, y1, x2, y2, colour]
inline void writeStep(Json& j, const rt::Step& s) {
    j.beginArray().string(rt::Step::kKindNames[s.kind]).string(s.name).string(s.text);
    j.coordinate(s.x1).coordinate(s.y1).coordinate(s.x2).coordinate(s.y2).number(s.colour);
    j.endArray();
}

} // namespace web
