#pragma once
// Writes a file so that a failure never leaves a half-written file in place of a good one: the
// text goes to a temporary file beside the target, which replaces the target only once everything
// reached the disk. A target that exists and is not a regular file (a device, a pipe) is written
// in place, since it cannot be replaced (a pipe only while something reads it); a directory and a
// read-only file are refused. Every outcome is reported to the FileWriteObserver.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

class SafeFileWriter final {
 public:
  SafeFileWriter() = default;
  ~SafeFileWriter();  // abandons an uncommitted file
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // False (Reason() says why) when nothing can be written there.
  bool Open(const std::string& path);
  bool IsOpen() const { return m_file != nullptr; }
  // False once any write failed; later writes are ignored.
  bool Write(std::string_view text);
  // Starts putting what was written so far on the disk in the background, so that a large file's
  // Commit has little left to wait for. A failure shows as for Write.
  void StartWriteBack();
  // The open file, for code that writes with stdio; check Failed() or Commit() afterwards.
  std::FILE* Stream() const { return m_file; }
  // Flushes, closes and puts the file in place. False (the target untouched) on any failure.
  bool Commit();
  // Drops what was written; the target stays as it was.
  void Abandon();

  const std::string& Path() const { return m_path; }
  const std::string& Reason() const { return m_reason; }
  std::uintmax_t Bytes() const { return m_bytes; }

  // The user's message when `path` could not be written for `reason`.
  static std::string FailureText(const std::string& path, const std::string& reason);

 private:
  void Fail(int error);
  void Report(bool ok);

  std::FILE* m_file = nullptr;
  std::string m_path;       // the target
  std::string m_temporary;  // empty when writing in place
  std::string m_reason;
  std::uintmax_t m_bytes = 0;
  std::uintmax_t m_writeBackFrom = 0;  // what StartWriteBack has not handed on yet
};
