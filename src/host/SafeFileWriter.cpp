#include "host/SafeFileWriter.h"

#include "host/FileWriteObserver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

SafeFileWriter::~SafeFileWriter() { Abandon(); }

bool SafeFileWriter::Open(const std::string& path) {
  Abandon();
  m_path = path;
  m_reason.clear();
  m_bytes = 0;
  m_writeBackFrom = 0;
  m_temporary.clear();
  struct stat target {};
  const bool exists = ::stat(path.c_str(), &target) == 0;
  // A name too long, a folder that is a file or cannot be searched: told before anything is
  // written, not once a whole export has gone into the temporary file and the rename fails.
  if (!exists && errno != ENOENT) {
    Fail(errno);
    Report(false);
    return false;
  }
  if (exists && S_ISDIR(target.st_mode)) {
    Fail(EISDIR);
    Report(false);
    return false;
  }
  // A file nobody may write was protected on purpose: replacing it through a rename would get
  // round that, for its owner and for root alike.
  if (exists && S_ISREG(target.st_mode) && (target.st_mode & 0222) == 0) {
    Fail(EACCES);
    Report(false);
    return false;
  }
  if (exists && !S_ISREG(target.st_mode)) {
    // Without a reader a pipe would keep open() waiting for ever: refused at once instead, and
    // written as usual once opened.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
      m_file = ::fdopen(fd, "w");
      if (!m_file) ::close(fd);
    }
  } else {
    const std::filesystem::path where(path);
    std::string name(1, '.');
    name += where.filename().string();
    name += ".XXXXXX";
    std::string pattern = (where.parent_path() / name).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd >= 0) {
      m_temporary = pattern;
      // Keep the permissions a newly created file would get, not mkstemp's owner-only ones.
      const mode_t mask = ::umask(0);
      ::umask(mask);
      ::fchmod(fd, exists ? (target.st_mode & 07777) : (0666 & ~mask));
      m_file = ::fdopen(fd, "w");
      if (!m_file) ::close(fd);
    }
  }
  if (!m_file) {
    Fail(errno);
    if (!m_temporary.empty()) std::remove(m_temporary.c_str());
    m_temporary.clear();
    Report(false);
    return false;
  }
  return true;
}

bool SafeFileWriter::Write(std::string_view text) {
  if (!m_file || !m_reason.empty()) return false;
  if (std::fwrite(text.data(), 1, text.size(), m_file) != text.size()) {
    Fail(errno);
    return false;
  }
  m_bytes += text.size();
  return true;
}

void SafeFileWriter::StartWriteBack() {
  // A file written in place (a device, a pipe) has nothing to hand on.
  if (!m_file || !m_reason.empty() || m_temporary.empty()) return;
  if (std::fflush(m_file) != 0) {
    Fail(errno);
    return;
  }
  // Only a hint: Commit's fsync still makes sure of everything.
  ::sync_file_range(::fileno(m_file), static_cast<off_t>(m_writeBackFrom), static_cast<off_t>(m_bytes - m_writeBackFrom),
                    SYNC_FILE_RANGE_WRITE);
  m_writeBackFrom = m_bytes;
}

bool SafeFileWriter::Commit() {
  if (!m_file) return false;
  if (m_reason.empty() && (std::fflush(m_file) != 0 || std::ferror(m_file) != 0)) Fail(errno);
  // What went in through Stream() counts too.
  if (const long at = std::ftell(m_file); at > 0 && static_cast<std::uintmax_t>(at) > m_bytes) m_bytes = at;
  if (m_reason.empty() && !m_temporary.empty() && ::fsync(::fileno(m_file)) != 0) Fail(errno);
  if (std::fclose(m_file) != 0 && m_reason.empty()) Fail(errno);
  m_file = nullptr;
  if (m_reason.empty() && !m_temporary.empty() && std::rename(m_temporary.c_str(), m_path.c_str()) != 0) Fail(errno);
  if (!m_reason.empty() && !m_temporary.empty()) std::remove(m_temporary.c_str());
  m_temporary.clear();
  Report(m_reason.empty());
  return m_reason.empty();
}

void SafeFileWriter::Abandon() {
  if (!m_file) return;
  std::fclose(m_file);
  m_file = nullptr;
  if (!m_temporary.empty()) std::remove(m_temporary.c_str());
  m_temporary.clear();
}

std::string SafeFileWriter::FailureText(const std::string& path, const std::string& reason) {
  return "The file could not be written: " + path + " (" + reason + ")";
}

void SafeFileWriter::Fail(int error) {
  if (m_reason.empty()) m_reason = std::strerror(error != 0 ? error : EIO);
}

void SafeFileWriter::Report(bool ok) { FileWriteObserver::Notify(m_path, m_bytes, ok, m_reason); }
