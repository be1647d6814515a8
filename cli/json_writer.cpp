#include "cli/json_writer.h"

#include <cstdio>

namespace rivetbench::cli {

std::string jsonQuote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x",
                              static_cast<unsigned>(static_cast<unsigned char>(c)));
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (needComma_) out_ += ',';
}

void JsonWriter::beginObject() {
    separate();
    out_ += '{';
    needComma_ = false;
}

void JsonWriter::endObject() {
    out_ += '}';
    needComma_ = true;
}

void JsonWriter::beginArray() {
    separate();
    out_ += '[';
    needComma_ = false;
}

void JsonWriter::endArray() {
    out_ += ']';
    needComma_ = true;
}

void JsonWriter::key(std::string_view name) {
    separate();
    out_ += jsonQuote(name);
    out_ += ':';
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
    separate();
    out_ += jsonQuote(text);
    needComma_ = true;
}

void JsonWriter::value(bool b) {
    separate();
    out_ += b ? "true" : "false";
    needComma_ = true;
}

void JsonWriter::value(int n) {
    separate();
    out_ += std::to_string(n);
    needComma_ = true;
}

} // namespace rivetbench::cli
