// The memory-mapped file and the memory hint used by the records loader.
#include "records/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

bool TMappedFile::Open(const std::string& path, bool& missing) {
  missing = false;
  // Non-blocking and checked by type, so a named pipe or a device in the
  // file's place is refused instead of waited on.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    missing = errno == ENOENT;
    return false;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  size_ = st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0;
  if (size_ > 0) {
    void* m = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
    if (m == MAP_FAILED) {
      ::close(fd);
      return false;
    }
    data_ = static_cast<const char*>(m);
  }
  ::close(fd);
  return true;
}

TMappedFile::~TMappedFile() {
  if (data_) ::munmap(const_cast<char*>(data_), size_);
}

void PrepareMemory(void* data, size_t bytes) {
#if defined(MADV_HUGEPAGE) || defined(MADV_POPULATE_WRITE)
  const uintptr_t page = 4096;
  const uintptr_t from = (reinterpret_cast<uintptr_t>(data) + page - 1) & ~(page - 1);
  const uintptr_t to = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(page - 1);
  if (bytes < (1u << 20) || to <= from) return;
  void* start = reinterpret_cast<void*>(from);
#ifdef MADV_HUGEPAGE
  ::madvise(start, to - from, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_WRITE
  ::madvise(start, to - from, MADV_POPULATE_WRITE);
#endif
#else
  (void)data;
  (void)bytes;
#endif
}
