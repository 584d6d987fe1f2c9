#include "host/LogWriter.h"

#include <strings.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>

namespace {

// "YYYY-MM-DD HH:MM:SS.mmm " is this long.
constexpr std::size_t kStampLength = 24;

std::string Stamp() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  char buf[96];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d ", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(millis));
  return buf;
}

bool EndsWithTxt(std::string_view name) {
  return name.size() >= 4 && strncasecmp(name.data() + name.size() - 4, ".txt", 4) == 0;
}

bool AppendLine(const std::filesystem::path& file, const std::string& line) {
  std::FILE* f = std::fopen(file.c_str(), "ab");
  if (f == nullptr) return false;
  const bool written = std::fwrite(line.data(), 1, line.size(), f) == line.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace

LogWriter::LogWriter(std::filesystem::path folder) : m_folder(std::move(folder)) {}

void LogWriter::SetFolder(std::filesystem::path folder) {
  std::lock_guard lock(m_mutex);
  m_folder = std::move(folder);
}

std::filesystem::path LogWriter::Folder() const {
  std::lock_guard lock(m_mutex);
  return m_folder;
}

std::string LogWriter::FileNameFor(std::string_view source) {
  std::string name;
  name.reserve(source.size() + 4);
  for (const char c : source) {
    const auto u = static_cast<unsigned char>(c);
    name += (c == '/' || c == '\\' || c == ':' || u < 0x20 || u == 0x7f) ? '_' : c;
  }
  if (name.empty() || name == "." || name == "..") name = "_" + name;
  if (!EndsWithTxt(name)) name += ".log";
  return name;
}

std::filesystem::path LogWriter::FileFor(std::string_view source) const { return Folder() / FileNameFor(source); }

bool LogWriter::Write(std::string_view source, std::string_view text) {
  std::string line = Stamp();
  line.reserve(line.size() + text.size() + 1);
  for (const char c : text) line += (c == '\n' || c == '\r') ? ' ' : c;
  line += '\n';

  bool ok = true;
  std::vector<std::shared_ptr<const Observer>> observers;
  {
    std::lock_guard lock(m_mutex);
    if (!m_folder.empty()) {
      const std::filesystem::path file = m_folder / FileNameFor(source);
      ok = AppendLine(file, line);
      if (!ok) {
        std::error_code ec;
        std::filesystem::create_directories(m_folder, ec);
        ok = !ec && AppendLine(file, line);
      }
    }
    observers.reserve(m_observers.size());
    for (const auto& entry : m_observers) observers.push_back(entry.second);
  }
  if (!observers.empty()) {
    const std::string s(source);
    const std::string t(text);
    for (const auto& observer : observers) (*observer)(s, t);
  }
  return ok;
}

int LogWriter::AddObserver(Observer observer) {
  std::lock_guard lock(m_mutex);
  const int id = m_nextObserverId++;
  m_observers.emplace_back(id, std::make_shared<const Observer>(std::move(observer)));
  return id;
}

void LogWriter::RemoveObserver(int id) {
  std::lock_guard lock(m_mutex);
  std::erase_if(m_observers, [id](const auto& entry) { return entry.first == id; });
}

std::vector<std::string> LogWriter::Lines(std::string_view source) const {
  std::vector<std::string> lines;
  std::lock_guard lock(m_mutex);
  if (m_folder.empty()) return lines;
  std::ifstream in(m_folder / FileNameFor(source), std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> LogWriter::Texts(std::string_view source) const {
  std::vector<std::string> texts = Lines(source);
  for (std::string& t : texts) t = t.size() >= kStampLength ? t.substr(kStampLength) : std::string();
  return texts;
}
