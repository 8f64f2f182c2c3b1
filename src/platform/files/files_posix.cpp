#include "platform/files/SystemFiles.h"

#include "platform/files/programPaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

namespace rennlupe::platform {

namespace {

constexpr mode_t kNewFileMode = 0666;    // the umask takes its share
constexpr mode_t kNewFolderMode = 0700;  // a user's settings are for that user
constexpr int kMaxLinks = 40;

template <typename Call>
auto retryOnInterrupt(Call call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result == -1 && errno == EINTR);
    return result;
}

// Closes on every path out; a failed close is a failed write.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const noexcept { return m_fd; }
    bool valid() const noexcept { return m_fd >= 0; }
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

std::optional<std::string> readLink(const std::string& path) {
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            retryOnInterrupt([&] { return ::write(fd, bytes.data() + done, bytes.size() - done); });
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool isAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

bool isFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool syncFolderOf(const std::string& path) {
    Descriptor folder(::open(folderOf(path, '/').c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.valid() && ::fsync(folder.get()) == 0;
}

}  // namespace

std::string_view programFolderName() {
    return "rennlupe";
}

char SystemFiles::separator() const {
    return '/';
}

std::string SystemFiles::executablePath() const {
    // Read once: each gauge packet asks for the shift picture beside the executable.
    static const std::string path = readLink("/proc/self/exe").value_or(std::string());
    return path;
}

std::string SystemFiles::configurationFolder() const {
    if (const char* configHome = std::getenv("XDG_CONFIG_HOME"); isAbsolute(configHome)) {
        return configHome;
    }
    if (const char* home = std::getenv("HOME"); isAbsolute(home)) {
        return joinPath(home, ".config", '/');
    }
    return {};
}

std::optional<std::string> SystemFiles::read(const std::string& path) const {
    Descriptor file(retryOnInterrupt([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); }));
    if (!file.valid()) {
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 65536> chunk{};
    for (;;) {
        const ssize_t got =
            retryOnInterrupt([&] { return ::read(file.get(), chunk.data(), chunk.size()); });
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

bool SystemFiles::exists(const std::string& path) const {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}

std::optional<FileStamp> SystemFiles::stampOf(const std::string& path) const {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    constexpr std::int64_t kNanosecondsPerSecond = 1000000000;
    const std::int64_t seconds = status.st_mtim.tv_sec;
    const std::int64_t size = status.st_size;
    return FileStamp{seconds * kNanosecondsPerSecond + status.st_mtim.tv_nsec, size};
}

std::string SystemFiles::resolveLinks(const std::string& path) const {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return current;
        }
        const auto target = readLink(current);
        if (!target) {
            return current;
        }
        current = (!target->empty() && target->front() == '/')
                      ? *target
                      : joinPath(folderOf(current, '/'), *target, '/');
    }
    return current;
}

bool SystemFiles::isWritableFile(const std::string& path) const {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && (status.st_mode & 0222) != 0 &&
           ::access(path.c_str(), W_OK) == 0;
}

bool SystemFiles::isWritableFolder(const std::string& folder) const {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool SystemFiles::createFolders(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    // Existing parts are only looked at: a parent the user may not write is no failure.
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (!isFolder(part) && ::mkdir(part.c_str(), kNewFolderMode) != 0 && errno != EEXIST) {
            return false;
        }
        if (end == std::string::npos) {
            break;
        }
    }
    return isFolder(folder);
}

std::optional<std::string> SystemFiles::createTemporaryBeside(const std::string& target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate =
            target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        Descriptor file(retryOnInterrupt([&] {
            return ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        }));
        if (file.valid()) {
            return file.close() ? std::optional<std::string>(candidate) : std::nullopt;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool SystemFiles::overwrite(const std::string& path, std::string_view bytes) {
    Descriptor file(retryOnInterrupt([&] { return ::open(path.c_str(), O_WRONLY | O_CLOEXEC); }));
    return file.valid() && writeAll(file.get(), bytes) &&
           ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0 && file.close();
}

bool SystemFiles::flush(const std::string& path) {
    Descriptor file(retryOnInterrupt([&] { return ::open(path.c_str(), O_WRONLY | O_CLOEXEC); }));
    return file.valid() && ::fsync(file.get()) == 0 && file.close();
}

bool SystemFiles::copyPermissions(const std::string& from, const std::string& to) {
    struct stat status {};
    if (::stat(from.c_str(), &status) != 0) {
        return false;
    }
    // Ownership follows where the system allows it; only the superuser may give a file away.
    (void)::chown(to.c_str(), status.st_uid, status.st_gid);
    return ::chmod(to.c_str(), status.st_mode & 07777) == 0;
}

bool SystemFiles::rename(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    (void)syncFolderOf(to);
    return true;
}

bool SystemFiles::remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

}  // namespace rennlupe::platform
