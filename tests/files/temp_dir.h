#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace wepn::test {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "wepn-files-XXXXXX");
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(std::string_view relative) const {
        return m_path + "/" + std::string(relative);
    }

    // Creates a file (and its parent directories) holding `bytes`.
    std::string writeFile(std::string_view relative, std::string_view bytes = "x") const {
        const std::string file = *this / relative;
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
    std::string makeDir(std::string_view relative) const {
        const std::string dir = *this / relative;
        std::filesystem::create_directories(dir);
        return dir;
    }

  private:
    std::string m_path;
};

inline std::string readAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace wepn::test
