#pragma once
// A fresh, empty folder for one test under $ORV_TEST_TMP (or the system's temporary folder),
// removed with everything in it when the test ends.
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class ScratchFolder final {
 public:
  explicit ScratchFolder(const std::string& name) {
    static std::atomic<int> counter{0};
    const char* base = std::getenv("ORV_TEST_TMP");
    std::filesystem::path root =
        base != nullptr && *base != '\0' ? std::filesystem::path(base) : std::filesystem::temp_directory_path();
    m_path = root / (name + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

 private:
  std::filesystem::path m_path;
};

// The whole content of a file the test wrote (empty when it cannot be read).
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
