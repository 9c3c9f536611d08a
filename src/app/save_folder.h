// A private folder for the ranking and cleared-stages files of a headless
// run: it starts as a copy of the data folder's files and is removed at the
// end, so test runs never change the player's files.
#pragma once
#include <string>

class TempSaveFolder {
 public:
  TempSaveFolder() = default;
  ~TempSaveFolder();
  TempSaveFolder(const TempSaveFolder&) = delete;
  TempSaveFolder& operator=(const TempSaveFolder&) = delete;
  // Creates the folder with dat/ and copies dat/score.rnk and dat/clear.clr
  // from dataDir when they exist; false with a message.
  bool Create(const std::string& dataDir, std::string& error);
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};
