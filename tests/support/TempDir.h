#pragma once

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir()
    {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path parent = fs::temp_directory_path(error);
        if (error) return;
#ifdef _WIN32
        // No mkdtemp here: a random name, taken only if the folder is new.
        std::mt19937_64 random(std::random_device{}()
                               ^ static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const fs::path candidate = parent / ("pintaro-test-" + std::to_string(random() % 1000000000u));
            if (fs::create_directory(candidate, error)) m_path = candidate;
            if (error) return;
        }
#else
        std::string pattern = (parent / "pintaro-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) m_path = pattern;
#endif
    }
    ~TempDir()
    {
        namespace fs = std::filesystem;
        std::error_code error;
        if (m_path.empty()) return;
        // Tests lock folders and files; everything must still go (on Windows
        // a read-only file cannot be deleted).
        auto it = fs::recursive_directory_iterator(m_path, error);
        for (; !error && it != fs::end(it); it.increment(error)) {
            if (it->is_symlink(error)) continue;
            const fs::perms needed = it->is_directory(error) ? fs::perms::owner_all : fs::perms::owner_write;
            fs::permissions(it->path(), needed, fs::perm_options::add, error);
        }
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(m_path, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    bool valid() const { return !m_path.empty(); }
    std::string path(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& root() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline std::vector<std::uint8_t> readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
