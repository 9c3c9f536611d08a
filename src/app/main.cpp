// Program entry: reads the command line and runs the window, a headless run
// or one of the tools.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/app_options.h"
#include "app/data_folder.h"
#include "app/run_modes.h"

namespace {

int Run(const std::vector<std::string>& args) {
  AppOptions o;
  std::string error;
  if (!ParseCommandLine(args, o, error)) {
    std::fprintf(stderr, "mirutena: %s\n%s", error.c_str(), UsageText());
    return 2;
  }
  bool needsData = o.Mode != AppOptions::TMode::Help && o.Mode != AppOptions::TMode::Catalog &&
                   !(o.Mode == AppOptions::TMode::CheckData && !o.CheckDir.empty());
  if (needsData) {
    TDataSearch search{o.DataGiven ? o.DataDir : "", ProcessEnvironment(), ExecutablePath()};
    if (!FindDataFolder(search, o.DataDir, error)) {
      std::fprintf(stderr, "mirutena: %s\n", error.c_str());
      return 1;
    }
  }
  switch (o.Mode) {
    case AppOptions::TMode::Help:
      std::fputs(UsageText(), stdout);
      return 0;
    case AppOptions::TMode::Headless:
      return RunHeadless(o);
    case AppOptions::TMode::CheckData:
      return RunCheckData(o);
    case AppOptions::TMode::Romaji:
      return RunRomaji(o);
    case AppOptions::TMode::Catalog:
      return RunCatalog();
    case AppOptions::TMode::Bench:
      return RunBench(o);
    case AppOptions::TMode::Stats:
      return RunStats(o);
    case AppOptions::TMode::Window:
      break;
  }
  return RunWindow(o);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    return Run(args);
  } catch (const std::exception& e) {
    // Anything the game's own error handling did not expect ends the program
    // with a message rather than an abort.
    std::fprintf(stderr, "mirutena: internal error: %s\n", e.what());
    return 3;
  }
}
