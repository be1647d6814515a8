#pragma once

#include <string>
#include <string_view>

namespace rivetbench::cli {

// A small streaming JSON writer; strings must already be UTF-8.
class JsonWriter {
  public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(bool b);
    void value(int n);
    const std::string& str() const { return out_; }

  private:
    void separate();
    std::string out_;
    bool needComma_ = false;
    bool afterKey_ = false;
};

std::string jsonQuote(std::string_view text);

} // namespace rivetbench::cli
