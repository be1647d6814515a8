#include "editor/platform/registry.h"

#include <cstring>
#include <string>
#include <vector>
#include <windows.h>

namespace rivetbench::platform {
namespace {

// The wide calls, so that names and data outside the ANSI code page survive as UTF-8.
std::wstring widen(std::string_view text) {
    if (text.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string narrow(const wchar_t* text, std::size_t size) {
    if (size == 0) return {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(size), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(size), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

HKEY hive(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

std::wstring keyPath(std::string_view key) {
    while (!key.empty() && key.back() == '\\')
        key.remove_suffix(1);
    return widen(key);
}

// The simulator is a 32-bit program: a 64-bit build must also look where it wrote the machine's
// settings (Software\Wow6432Node). The caller's own view comes first.
std::vector<REGSAM> views(RegistryRoot root) {
    if (root == RegistryRoot::CurrentUser) return {0};
    return {0, KEY_WOW64_32KEY};
}

class OpenKey {
  public:
    OpenKey(RegistryRoot root, const std::wstring& path, REGSAM view) {
        if (RegOpenKeyExW(hive(root), path.c_str(), 0, KEY_READ | view, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~OpenKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

std::optional<RegistryValue> query(HKEY key, const std::wstring& name) {
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<BYTE> data;
    // The value may grow between the two calls; ask again until it fits.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        data.resize(size);
        status =
            RegQueryValueExW(key, name.c_str(), nullptr, &type, data.empty() ? nullptr : data.data(), &size);
        if (status == ERROR_SUCCESS) {
            data.resize(size);
            break;
        }
    }
    if (status != ERROR_SUCCESS) return std::nullopt;

    RegistryValue value;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        value.type = type == REG_SZ ? RegistryValue::Type::String : RegistryValue::Type::ExpandString;
        std::wstring text(data.size() / sizeof(wchar_t), L'\0');
        if (!text.empty()) std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
        if (!text.empty() && text.back() == L'\0') text.pop_back();
        value.data = narrow(text.data(), text.size());
    } else {
        value.type = RegistryValue::Type::Other;
        value.data.assign(data.begin(), data.end());
    }
    return value;
}

class WindowsRegistry : public Registry {
  public:
    bool keyExists(RegistryRoot root, std::string_view key) const override {
        const std::wstring path = keyPath(key);
        for (const REGSAM view : views(root))
            if (OpenKey(root, path, view).get() != nullptr) return true;
        return false;
    }

    std::optional<RegistryValue> value(RegistryRoot root, std::string_view key,
                                       std::string_view name) const override {
        const std::wstring path = keyPath(key);
        const std::wstring valueName = widen(name);
        for (const REGSAM view : views(root)) {
            const OpenKey open(root, path, view);
            if (open.get() == nullptr) continue;
            if (std::optional<RegistryValue> found = query(open.get(), valueName)) return found;
        }
        return std::nullopt;
    }
};

} // namespace

std::unique_ptr<Registry> systemRegistry() {
    return std::make_unique<WindowsRegistry>();
}

} // namespace rivetbench::platform
