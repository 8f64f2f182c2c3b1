#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace rennlupe::support {

// A fresh folder of the test's own under the system's temporary folder,
// removed with everything in it when the object ends.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const noexcept { return m_path; }
    std::string file(std::string_view name) const { return (m_path / name).string(); }

    static std::string read(const std::filesystem::path& file);
    static void write(const std::filesystem::path& file, std::string_view bytes);

private:
    std::filesystem::path m_path;
};

}  // namespace rennlupe::support
