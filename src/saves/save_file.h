// Reading and replacing one of the player's save files: special files are
// refused by type before they are opened, and a write goes through a temporary
// file named with the process id, so two games never share one.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

enum class TSaveRead {
  Missing,    // no such file: nothing saved yet
  Read,       // bytes hold the file (up to the limit)
  Unreadable  // there, but not a file we can read; why says what
};

// Reads at most limit bytes of path. A FIFO, device or folder is Unreadable
// without being opened for reading, so it can never block.
TSaveRead ReadSaveFile(const std::string& path, size_t limit, std::string& bytes, std::string& why);

// Writes bytes to path.tmp-PID, flushes it to disk and renames it over path;
// the folder is created when missing. False with the reason in error; a failed
// write leaves the old file as it was and no temporary file behind.
bool ReplaceSaveFile(const std::string& path, const std::string& bytes, std::string& error);

// The tab-separated fields of one line of a save file that keeps rows.
std::vector<std::string> TabFields(const std::string& line);

// The temporary name ReplaceSaveFile uses for path in this process.
std::string SaveTempName(const std::string& path);

// True when no process with this id runs any more.
bool ProcessGone(long pid);

// Removes temporary files "NAME.tmp-PID" in folder whose process is gone,
// and returns their names. Call it under the save lock.
std::vector<std::string> RemoveStaleTemps(const std::string& folder);
