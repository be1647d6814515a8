#include "editor/config/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rivetbench::config {
namespace {

std::string failure(const std::filesystem::path& target, const char* step, int err) {
    return "Unable to write to " + target.string() + "\r\n(" + step + ": " + std::strerror(err) + ")";
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::optional<std::string> replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    // A linked aircraft.cfg is saved where it really lives; renaming over the link would cut it.
    std::error_code ec;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(path, ec)) {
        target = std::filesystem::weakly_canonical(path, ec);
        if (ec) return failure(path, "follow link", ec.value());
    }
    const std::filesystem::path tmp = temporaryPathFor(target);
    struct stat old {};
    const bool hadTarget = ::stat(target.c_str(), &old) == 0;
    if (hadTarget && !S_ISREG(old.st_mode)) return failure(target, "not a regular file", EISDIR);

    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return failure(target, "create temporary file", errno);
    auto abandon = [&](const char* step) {
        const int err = errno;
        ::close(fd);
        ::unlink(tmp.c_str());
        return failure(target, step, err);
    };
    if (!writeAll(fd, bytes)) return abandon("write");
    if (hadTarget && ::fchmod(fd, old.st_mode & 07777) != 0) return abandon("keep permissions");
    // Saving someone else's file as root should not hand it to root; where not allowed, no harm.
    if (hadTarget && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Not allowed to give it back: the file stays the saving user's, as any new file would.
    }
    if (::fsync(fd) != 0) return abandon("flush");
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return failure(target, "close", err);
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return failure(target, "replace", err);
    }
    // The rename itself reaches the disk with the folder's entry.
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}

} // namespace rivetbench::config
