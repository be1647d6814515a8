#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace rivetbench::platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

struct RegistryValue {
    enum class Type { String, ExpandString, Other };
    Type type = Type::String;
    std::string data; // the stored text (UTF-8), escapes already decoded; raw bytes for other types
};

// Read access to the registry, one value at a time. Key paths use backslashes, as Windows spells
// them; a trailing backslash is allowed. Names match without regard to case.
class Registry {
  public:
    virtual ~Registry() = default;
    virtual bool keyExists(RegistryRoot root, std::string_view key) const = 0;
    // nullopt when the key or the value is absent.
    virtual std::optional<RegistryValue> value(RegistryRoot root, std::string_view key,
                                               std::string_view name) const = 0;
};

// A value of a type other than a string: "Invalid data type for '<name>'".
class RegistryTypeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// ReadString: a missing value reads as empty; a string or expandable string comes back as stored
// (nothing expanded), cut at its first NUL; any other type throws RegistryTypeError.
std::string readRegistryString(const Registry& registry, RegistryRoot root, std::string_view key,
                               std::string_view name);

// The registry the simulator uses: on Windows the real one; elsewhere the Wine prefix's files
// (WINEPREFIX, else ~/.wine). A prefix that does not exist gives an empty registry.
std::unique_ptr<Registry> systemRegistry();

} // namespace rivetbench::platform
