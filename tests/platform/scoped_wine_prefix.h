#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#ifndef _WIN32 // Wine prefixes exist only where Windows does not

namespace rivetbench::test {

// Sets WINEPREFIX for one test and puts back what was there before.
class ScopedWinePrefix {
  public:
    explicit ScopedWinePrefix(const std::string& prefix) {
        if (const char* old = std::getenv("WINEPREFIX")) saved_ = old;
        set(prefix);
    }
    ~ScopedWinePrefix() {
        if (saved_)
            setenv("WINEPREFIX", saved_->c_str(), 1);
        else
            unsetenv("WINEPREFIX");
    }
    void set(const std::string& prefix) { setenv("WINEPREFIX", prefix.c_str(), 1); }
    ScopedWinePrefix(const ScopedWinePrefix&) = delete;
    ScopedWinePrefix& operator=(const ScopedWinePrefix&) = delete;

  private:
    std::optional<std::string> saved_;
};

} // namespace rivetbench::test

#endif
