// Program entry: reads the command line and runs the window, a headless run
// or one of the tools.
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_options.h"
#include "app/run_modes.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  AppOptions o;
  std::string error;
  if (!ParseCommandLine(args, o, error)) {
    std::fprintf(stderr, "mirutena: %s\n%s", error.c_str(), UsageText());
    return 2;
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
    case AppOptions::TMode::Window:
      break;
  }
  return RunWindow(o);
}
