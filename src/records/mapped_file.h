// Reading a file through a private memory map, and a hint that asks the
// kernel for a large block of fresh memory at once: where loading a big
// records file spends its time.
#pragma once
#include <cstddef>
#include <string>

// The file's bytes, mapped rather than copied: a big records file is read
// once, front to back, so the page cache serves it as it stands.
class TMappedFile {
 public:
  TMappedFile() = default;
  TMappedFile(const TMappedFile&) = delete;
  TMappedFile& operator=(const TMappedFile&) = delete;
  ~TMappedFile();
  // False when the file cannot be opened or read; missing tells whether it
  // was simply absent.
  bool Open(const std::string& path, bool& missing);
  const char* Data() const { return data_; }
  size_t Size() const { return size_; }

 private:
  const char* data_ = nullptr;
  size_t size_ = 0;
};

// Asks the kernel for the memory of many entries at once (in huge pages
// where it gives them) instead of a page fault per 4 KiB as they are filled:
// with 100,000 entries that was a third of the loading time. Only a hint.
void PrepareMemory(void* data, size_t bytes);
