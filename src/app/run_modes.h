// The program's ways of running: the window, the headless run and the tools.
// Each returns the process exit code.
#pragma once
#include "app/app_options.h"

int RunWindow(const AppOptions& o);
int RunHeadless(const AppOptions& o);
int RunCatalog();
int RunCheckData(const AppOptions& o);
int RunRomaji(const AppOptions& o);
// The benchmark: a fixed heavy scene played headless and timed.
int RunBench(const AppOptions& o);
// --stats: the records as JSON lines and a summary line.
int RunStats(const AppOptions& o);
