#include "editor/config/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace rivetbench::config {

std::filesystem::path temporaryPathFor(const std::filesystem::path& target) {
    std::filesystem::path tmp = target;
    tmp += ".rivetbench-tmp";
    return tmp;
}

FileRead readFileBytes(const std::filesystem::path& path) {
    FileRead result;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        result.error = "Unable to read " + path.string() + ": it is a directory, not a file.";
        return result;
    }
    // Pipes and devices would block or never end; a configuration is always a plain file.
    if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
        result.error = "Unable to read " + path.string() + ": it is not a regular file.";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "Unable to read " + path.string() + ": " + std::strerror(errno) + ".";
        return result;
    }
    result.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        result.error = "Unable to read " + path.string() + ": the read failed.";
        result.bytes.clear();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace rivetbench::config
