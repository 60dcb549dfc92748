#include "base/Files.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <string>
#include <unistd.h>

namespace morvane {
namespace fs = std::filesystem;
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

// "NAME.tmp<pid>." : what follows is random. The writer's process id lets a
// later writer tell a crashed writer's leftover from a live one's file.
std::string tempPrefix(const fs::path& target, long pid) {
    return target.filename().string() + ".tmp" + std::to_string(pid);
}

// Whether `name` is a temporary file of a writer of `target` that no longer runs.
bool isLeftover(const std::string& name, const std::string& targetName) {
    const std::string prefix = targetName + ".tmp";
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string rest = name.substr(prefix.size());
    const std::size_t digits = rest.find_first_not_of("0123456789");
    if (digits == 0) return false;
    long pid = 0;
    try {
        pid = std::stol(rest.substr(0, digits));
    } catch (const std::exception&) {
        return true;  // a number no process has
    }
    // The engine writes one file at a time: one of its own is a leftover too.
    return pid == ::getpid() ||
           (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
}

void removeLeftovers(const fs::path& target) {
    const std::string targetName = target.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(target.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (isLeftover(it->path().filename().string(), targetName)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Flushes a folder's entries, so a rename inside it survives a power cut.
void syncFolder(const fs::path& folder) {
    Descriptor dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
}

// Writes and flushes the temporary file; its path, or the error.
std::error_code writeTemp(const fs::path& target, std::string_view bytes, std::string& temp) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    temp = (folder / (tempPrefix(target, ::getpid()) + ".XXXXXX")).string();
    // mkstemp opens with O_CREAT | O_EXCL: never an existing file, never a link.
    Descriptor file{::mkstemp(temp.data())};
    if (file.fd < 0) {
        temp.clear();
        return lastError();
    }
    // mkstemp makes the file private; it keeps the mode of the file it
    // replaces, or the usual one for a new file.
    struct stat old {};
    ::fchmod(file.fd, ::stat(target.c_str(), &old) == 0 ? old.st_mode & 07777 : 0644);
    if (!writeAll(file.fd, bytes) || ::fsync(file.fd) != 0) return lastError();
    const int closed = ::close(file.fd);
    file.fd = -1;
    if (closed != 0) return lastError();
    return {};
}

}  // namespace

bool writeFileAtomically(const fs::path& target, std::string_view bytes, std::error_code* why) {
    removeLeftovers(target);
    std::string temp;
    std::error_code ec = writeTemp(target, bytes, temp);
    if (!ec) fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        if (!temp.empty()) fs::remove(temp, ignored);
        if (why) *why = ec;
        return false;
    }
    syncFolder(target.parent_path().empty() ? fs::path(".") : target.parent_path());
    return true;
}

bool staysInside(const fs::path& folder, const fs::path& path) {
    std::error_code ec;
    const fs::path base = fs::weakly_canonical(folder, ec);
    if (ec) return false;
    const fs::path real = fs::weakly_canonical(path, ec);
    if (ec) return false;
    const auto [end, unused] = std::mismatch(base.begin(), base.end(), real.begin(), real.end());
    return end == base.end() || (std::next(end) == base.end() && end->empty());
}

bool fileExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool folderExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

}  // namespace morvane
