#include "platform/files/SystemFiles.h"

#include "platform/files/programPaths.h"
#include "platform/text/wideText.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace rennlupe::platform {

namespace {

constexpr int kTemporaryAttempts = 100;
constexpr int kReplaceAttempts = 10;
constexpr DWORD kReplacePauseMilliseconds = 25;

// A path that is no valid UTF-8 names no file.
std::wstring wide(const std::string& utf8) {
    return wideFromUtf8(utf8).value_or(std::wstring());
}

// Closes on every path out; a failed close is a failed write.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() {
        if (valid()) {
            ::CloseHandle(m_handle);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const noexcept { return m_handle; }
    bool valid() const noexcept { return m_handle != INVALID_HANDLE_VALUE; }
    bool close() { return ::CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE m_handle;
};

// Other programs (an editor, a virus scanner) may keep reading while we replace the file.
Handle openFile(const std::string& path, DWORD access, DWORD disposition) {
    return Handle(::CreateFileW(wide(path).c_str(), access,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

DWORD attributesOf(const std::string& path) {
    return ::GetFileAttributesW(wide(path).c_str());
}

bool isFolder(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Where the first folder below the root starts: after "C:\" or "\\server\share\".
std::size_t afterRoot(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') {
        return path.size() > 2 && isSeparator(path[2]) ? 3 : 2;
    }
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        std::size_t at = path.find_first_of("\\/", 2);
        at = at == std::string::npos ? at : path.find_first_of("\\/", at + 1);
        return at == std::string::npos ? path.size() : at + 1;
    }
    return isSeparator(path[0]) ? 1 : 0;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        if (::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) == 0 || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

std::string_view programFolderName() {
    return "Rennlupe";
}

char SystemFiles::separator() const {
    return '\\';
}

std::string SystemFiles::executablePath() const {
    // Read once: each gauge packet asks for the shift picture beside the executable.
    static const std::string path = [] {
        std::wstring buffer(MAX_PATH, L'\0');
        for (;;) {
            const DWORD length =
                ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (length == 0) {
                return std::string();
            }
            if (length < buffer.size()) {
                return utf8FromWide({buffer.data(), length});
            }
            buffer.resize(buffer.size() * 2);
        }
    }();
    return path;
}

std::string SystemFiles::configurationFolder() const {
    std::array<wchar_t, 32768> value{};
    const DWORD length =
        ::GetEnvironmentVariableW(L"APPDATA", value.data(), static_cast<DWORD>(value.size()));
    if (length == 0 || length >= value.size()) {
        return {};
    }
    std::string folder = utf8FromWide({value.data(), length});
    return afterRoot(folder) > 0 ? folder : std::string();
}

std::optional<std::string> SystemFiles::read(const std::string& path) const {
    Handle file = openFile(path, GENERIC_READ, OPEN_EXISTING);
    if (!file.valid()) {
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 65536> chunk{};
    for (;;) {
        DWORD got = 0;
        if (::ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr) ==
            0) {
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(chunk.data(), got);
    }
}

bool SystemFiles::exists(const std::string& path) const {
    return attributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

std::optional<FileStamp> SystemFiles::stampOf(const std::string& path) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (::GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data) == 0) {
        return std::nullopt;
    }
    // 100-nanosecond steps since 1601; the Unix epoch is 11644473600 seconds later.
    constexpr std::int64_t kEpochSteps = 116444736000000000;
    const auto steps =
        static_cast<std::int64_t>((std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                  data.ftLastWriteTime.dwLowDateTime);
    const auto size =
        static_cast<std::int64_t>((std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow);
    return FileStamp{(steps - kEpochSteps) * 100, size};
}

// Replacing a link by MoveFileExW replaces the link itself, which is what
// Windows users expect of a settings file; links are not followed.
std::string SystemFiles::resolveLinks(const std::string& path) const {
    return path;
}

// The read-only attribute, then the access list: opening for writing changes
// nothing. A file another program holds open is still the user's to write.
bool SystemFiles::isWritableFile(const std::string& path) const {
    const DWORD attributes = attributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }
    const Handle file = openFile(path, GENERIC_WRITE, OPEN_EXISTING);
    return file.valid() || ::GetLastError() == ERROR_SHARING_VIOLATION;
}

// Access lists decide, so the folder is asked by creating a file that goes when closed.
bool SystemFiles::isWritableFolder(const std::string& folder) const {
    if (!isFolder(folder)) {
        return false;
    }
    const std::string probe =
        joinPath(folder, ".rennlupe-probe-" + std::to_string(::GetCurrentProcessId()), '\\');
    Handle file(::CreateFileW(wide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.valid();
}

bool SystemFiles::createFolders(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    // Existing parts are only looked at: a parent the user may not write is no failure.
    for (std::size_t end = folder.find_first_of("\\/", afterRoot(folder));;
         end = folder.find_first_of("\\/", end + 1)) {
        const std::string part = folder.substr(0, end);
        if (!part.empty() && !isFolder(part) &&
            ::CreateDirectoryW(wide(part).c_str(), nullptr) == 0 &&
            ::GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
        if (end == std::string::npos) {
            break;
        }
    }
    return isFolder(folder);
}

std::optional<std::string> SystemFiles::createTemporaryBeside(const std::string& target) {
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        const std::string candidate = target + ".tmp" + std::to_string(::GetCurrentProcessId()) +
                                      "-" + std::to_string(attempt);
        Handle file = openFile(candidate, GENERIC_WRITE, CREATE_NEW);
        if (file.valid()) {
            return file.close() ? std::optional<std::string>(candidate) : std::nullopt;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool SystemFiles::overwrite(const std::string& path, std::string_view bytes) {
    Handle file = openFile(path, GENERIC_WRITE, OPEN_EXISTING);
    return file.valid() && writeAll(file.get(), bytes) && ::SetEndOfFile(file.get()) != 0 &&
           file.close();
}

bool SystemFiles::flush(const std::string& path) {
    Handle file = openFile(path, GENERIC_WRITE, OPEN_EXISTING);
    return file.valid() && ::FlushFileBuffers(file.get()) != 0 && file.close();
}

// Access lists come from the folder; of the attributes, the ones that say how
// the user keeps the file go over (read-only never: the copy must be replaceable).
bool SystemFiles::copyPermissions(const std::string& from, const std::string& to) {
    const DWORD attributes = attributesOf(from);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD kept = attributes & kKept;
    return ::SetFileAttributesW(wide(to).c_str(), kept == 0 ? FILE_ATTRIBUTE_NORMAL : kept) != 0;
}

// A virus scanner or indexer that has the old file open without sharing its
// deletion makes the replace fail for a moment: it is tried again, up to 0.25 s.
bool SystemFiles::rename(const std::string& from, const std::string& to) {
    const std::wstring source = wide(from);
    const std::wstring target = wide(to);
    for (int attempt = 0; attempt < kReplaceAttempts; ++attempt) {
        if (::MoveFileExW(source.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
            return true;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) {
            return false;
        }
        ::Sleep(kReplacePauseMilliseconds);
    }
    return false;
}

bool SystemFiles::remove(const std::string& path) {
    return ::DeleteFileW(wide(path).c_str()) != 0;
}

}  // namespace rennlupe::platform
