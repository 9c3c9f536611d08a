// Where the player's files live: the ranking and cleared stages (and the
// other saved files) in one save folder, the settings in settings.ini.
//
//   window, no --save-dir   $XDG_DATA_HOME/mirutena/          (~/.local/share/mirutena/)
//                           $XDG_CONFIG_HOME/mirutena/settings.ini (~/.config/mirutena/)
//   --save-dir S            S/dat/ and S/settings.ini (the folder layout runs have
//                           always used with --save-dir)
//   headless, no --save-dir a temporary folder holding a copy of the player's
//                           ranking and cleared stages, removed at the end; the
//                           settings are the defaults, kept in memory
//   window with --autoplay  the same temporary folder (the built-in player's
//   or --replay, no         results are not the player's), with the player's
//   --save-dir              settings
#pragma once
#include <functional>
#include <string>
#include <vector>

struct AppOptions;

// Reads an environment variable; null when unset. Tests pass their own.
using TEnvLookup = std::function<const char*(const char*)>;
TEnvLookup ProcessEnvironment();

enum class TXdgKind { Config, Data };
// $XDG_CONFIG_HOME or $XDG_DATA_HOME when set to an absolute path, else
// $HOME/.config or $HOME/.local/share; empty (with error) without HOME.
std::string XdgFolder(TXdgKind kind, const TEnvLookup& env, std::string& error);

// A temporary folder, removed when the object goes.
class TempSaveFolder {
 public:
  TempSaveFolder() = default;
  ~TempSaveFolder();
  TempSaveFolder(const TempSaveFolder&) = delete;
  TempSaveFolder& operator=(const TempSaveFolder&) = delete;
  // Creates the folder and copies score.rnk and clear.clr into it, each from
  // the first of sources that has it; false with a message.
  bool Create(const std::vector<std::string>& sources, std::string& error);
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

struct TPlayerFolders {
  std::string SaveFolder;    // holds score.rnk and clear.clr
  std::string SettingsFile;  // empty: settings kept in memory only
  bool ResultsKept = true;   // false: SaveFolder is a scratch copy
};

// The one place that decides the folders above. temp is filled for a headless
// run without --save-dir. In the player's own folder, the first start copies
// the files of the old place (the data folder's dat/) into it.
bool ChoosePlayerFolders(const AppOptions& o, const TEnvLookup& env, TempSaveFolder& temp,
                         TPlayerFolders& out, std::string& error);

// First start: when saveFolder does not exist yet, creates it and copies
// score.rnk and clear.clr from oldDatFolder (never moving or deleting them).
// Returns the names copied; an existing save folder is left alone.
bool MigrateOldSaves(const std::string& oldDatFolder, const std::string& saveFolder,
                     std::vector<std::string>& copied, std::string& error);

// Where temporary save folders are made ($TMPDIR or /tmp); empty when none.
std::string TempRoot();
// After a crash: removes, under each folder's lock, the temporary save files
// in saveFolder and the temporary save folders in tempRoot whose process is
// gone; returns their names.
std::vector<std::string> TidyAfterCrashes(const std::string& saveFolder,
                                          const std::string& tempRoot);
