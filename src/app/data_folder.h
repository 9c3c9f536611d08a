// Finding the game's data folder (the one holding dat/, abc/ and bgm/)
// without relying on the current directory.
#pragma once
#include <string>
#include <vector>

#include "app/save_folder.h"

struct TDataSearch {
  std::string Given;       // --data DIR; empty when not given
  TEnvLookup Env;          // for $MIRUTENA_DATA
  std::string Executable;  // the running program's path; empty when unknown
};

// The folders to try, in order, each with where it came from:
//   --data DIR, then $MIRUTENA_DATA (each, when given, is the only choice: a
//   wrong one is an error rather than a silent fall-back), then beside the
//   program: <bin>/game (the build tree) and <bin>/../share/mirutena (an
//   installed tree).
struct TDataCandidate {
  std::string Folder;
  std::string Source;  // "--data", "$MIRUTENA_DATA", "next to the program"
};
std::vector<TDataCandidate> DataCandidates(const TDataSearch& s);

// True when the folder holds the game's data (its kana table).
bool IsDataFolder(const std::string& folder);

// The first candidate that holds the data; else false with a message in
// Japanese and English naming every folder tried and --data.
bool FindDataFolder(const TDataSearch& s, std::string& folder, std::string& error);

// The running program's own path (from /proc/self/exe), or empty.
std::string ExecutablePath();
