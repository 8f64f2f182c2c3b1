#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace rennlupe::support {

// A fresh folder of the test's own under the system's temporary folder,
// removed with everything in it when the object ends.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const auto candidate = std::filesystem::temp_directory_path() /
                                   ("rennlupe-test-" + std::to_string(random() % 1000000000));
            std::error_code ignored;
            if (std::filesystem::create_directory(candidate, ignored)) {
                std::filesystem::permissions(candidate, std::filesystem::perms::owner_all, ignored);
                m_path = candidate;
            }
        }
        if (m_path.empty()) {
            throw std::runtime_error("no temporary folder");
        }
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        // A test may have left a folder without write permission inside.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const noexcept { return m_path; }
    std::string file(std::string_view name) const { return (m_path / name).string(); }

    static std::string read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const std::filesystem::path& file, std::string_view bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path m_path;
};

}  // namespace rennlupe::support
