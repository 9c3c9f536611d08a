// Parsing of the command line into AppOptions, with the checks that options
// fit together.
#include "app/app_options.h"

#include <charconv>

#include "base/calendar.h"
#include "practice/practice_goal.h"
#include "world/window_view.h"

namespace {

bool ParseInt(const std::string& text, int64_t lo, int64_t hi, int64_t& v) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  return ec == std::errc() && end == text.data() + text.size() && v >= lo && v <= hi;
}

bool ParseShot(const std::string& text, TShotRequest& shot) {
  size_t colon = text.find(':');
  if (colon == std::string::npos || colon + 1 >= text.size()) return false;
  shot.Path = text.substr(colon + 1);
  return ParseInt(text.substr(0, colon), 1, INT64_MAX, shot.Frame);
}

}  // namespace

const char* UsageText() {
  return "usage:\n"
         "  mirutena [--data DIR] [--scale N] [--fullscreen]   play in a window\n"
         "      the data folder: --data DIR, else $MIRUTENA_DATA, else found beside the\n"
         "      program (the build's game/ or the installed share/mirutena/)\n"
         "      (--save-dir, --stage, --try-script, --difficulty, --stage-look, --reading,\n"
         "      --romaji-display, --typed, --date,\n"
         "      --practice, --record, --shot and --autoplay, the built-in player to\n"
         "      watch, also work there)\n"
         "  mirutena --headless [--data DIR] [options]         run without window, audio or "
         "real time\n"
         "      --save-dir DIR   keep score.rnk and clear.clr under DIR/dat and the settings\n"
         "                       in DIR/settings.ini (default: ~/.local/share/mirutena and\n"
         "                       ~/.config/mirutena; in a headless run a temporary copy of\n"
         "                       the ranking, removed at the end, and default settings)\n"
         "      --seed N  --frames N  --keys FILE  --stage S  --try-script FILE\n"
         "      --difficulty easy|normal|hard  --practice LEVEL|weakest|review|FILE\n"
         "      --practice-goal 60s|120s|20w|50w   end the practice at a goal (default: free)\n"
         "      --stage-look stages|classic   each stage's own backdrops and music, or\n"
         "                       the classic ones (default: the setting; changes no play)\n"
         "      --reading on|off  --romaji-display always|hint|off  --typed keep|vanish\n"
         "                       the prompt windows' reading line, romaji line and typed\n"
         "                       letters (default: the settings)\n"
         "      --date YYYY-MM-DD  today's date for the ranking's entries (default: the\n"
         "                       local date)\n"
         "      --autoplay KPS[:MISS]  --record FILE  --replay FILE\n"
         "      --shot N:PATH  --trace FILE  --summary  --card PATH (the last result's card)\n"
         "  mirutena --check-data [DIR]\n"
         "  mirutena [--data DIR] --romaji READING\n"
         "  mirutena --catalog\n"
         "  mirutena --stats [--save-dir DIR]               the records as JSON lines\n"
         "  mirutena [--data DIR] --bench [--bench-frames N]   time a heavy scene headless\n";
}

bool ParseCommandLine(const std::vector<std::string>& args, AppOptions& o, std::string& error) {
  bool headless = false, checkData = false, romaji = false, catalog = false, help = false;
  bool bench = false, benchOnly = false, stats = false;
  bool windowOnly = false, runOnly = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    // The value of an option that takes one.
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    auto number = [&](int64_t lo, int64_t hi, int64_t& out) {
      std::string text;
      if (!value(text)) return false;
      if (!ParseInt(text, lo, hi, out)) {
        error = a + ": \"" + text + "\" is not a whole number from " + std::to_string(lo) + " to " +
                std::to_string(hi);
        return false;
      }
      return true;
    };
    int64_t n = 0;
    if (a == "--help" || a == "-h") {
      help = true;
    } else if (a == "--headless") {
      headless = true;
    } else if (a == "--data") {
      if (!value(o.DataDir)) return false;
      o.DataGiven = true;
    } else if (a == "--save-dir") {
      if (!value(o.SaveDir)) return false;
    } else if (a == "--scale") {
      if (!number(1, 16, n)) return false;
      o.Scale = static_cast<int>(n);
      o.ScaleGiven = true;
      windowOnly = true;
    } else if (a == "--fullscreen") {
      o.FullScreen = true;
      windowOnly = true;
    } else if (a == "--seed") {
      if (!number(0, UINT32_MAX, n)) return false;
      o.Seed = static_cast<uint32_t>(n);
      o.SeedGiven = runOnly = true;
    } else if (a == "--frames") {
      if (!number(1, INT64_MAX / 2, o.Frames)) return false;
      runOnly = true;
    } else if (a == "--keys") {
      if (!value(o.KeysFile)) return false;
      runOnly = true;
    } else if (a == "--stage") {
      if (!number(1, 10, n)) return false;
      o.Stage = static_cast<int>(n);
    } else if (a == "--try-script") {
      if (!value(o.TryScript)) return false;
    } else if (a == "--practice") {
      if (!value(o.Practice)) return false;
    } else if (a == "--difficulty") {
      if (!value(o.Difficulty)) return false;
      if (o.Difficulty != "easy" && o.Difficulty != "normal" && o.Difficulty != "hard") {
        error = "--difficulty: expected easy, normal or hard, got \"" + o.Difficulty + "\"";
        return false;
      }
    } else if (a == "--stage-look") {
      if (!value(o.StageLook)) return false;
      if (o.StageLook != "stages" && o.StageLook != "classic") {
        error = "--stage-look: expected stages or classic, got \"" + o.StageLook + "\"";
        return false;
      }
    } else if (a == "--reading") {
      if (!value(o.ReadingLine)) return false;
    } else if (a == "--romaji-display") {
      if (!value(o.RomajiDisplay)) return false;
    } else if (a == "--typed") {
      if (!value(o.Typed)) return false;
    } else if (a == "--practice-goal") {
      if (!value(o.PracticeGoal)) return false;
      TPracticeGoal goal;
      if (!ParsePracticeGoal(o.PracticeGoal, goal)) {
        error =
            "--practice-goal: expected 60s, 120s, 20w, 50w or free, got \"" + o.PracticeGoal + "\"";
        return false;
      }
    } else if (a == "--card") {
      if (!value(o.CardPath)) return false;
      runOnly = true;
    } else if (a == "--date") {
      if (!value(o.Date)) return false;
      TLocalDate date;
      if (!ParseIsoDate(o.Date, date)) {
        error = "--date: expected a date YYYY-MM-DD, got \"" + o.Date + "\"";
        return false;
      }
    } else if (a == "--autoplay") {
      if (!value(o.AutoplaySpec)) return false;
    } else if (a == "--record") {
      if (!value(o.RecordFile)) return false;
    } else if (a == "--replay") {
      if (!value(o.ReplayFile)) return false;
      runOnly = true;
    } else if (a == "--trace") {
      if (!value(o.TraceFile)) return false;
      runOnly = true;
    } else if (a == "--shot") {
      std::string text;
      TShotRequest shot;
      if (!value(text)) return false;
      if (!ParseShot(text, shot)) {
        error = "--shot: expected N:PATH with N 1 or more, got \"" + text + "\"";
        return false;
      }
      o.Shots.push_back(shot);
    } else if (a == "--summary") {
      o.Summary = runOnly = true;
    } else if (a == "--check-data") {
      checkData = true;
      if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) o.CheckDir = args[++i];
    } else if (a == "--romaji") {
      if (!value(o.Reading)) return false;
      romaji = true;
    } else if (a == "--catalog") {
      catalog = true;
    } else if (a == "--stats") {
      stats = true;
    } else if (a == "--bench") {
      bench = true;
    } else if (a == "--bench-frames") {
      if (!number(1, 1000000, o.BenchFrames)) return false;
      benchOnly = true;
    } else {
      error = "unknown option \"" + a + "\"";
      return false;
    }
  }

  int modes = headless + checkData + romaji + catalog + bench + stats;
  if (help) {
    o.Mode = AppOptions::TMode::Help;
    return true;
  }
  if (modes > 1) {
    error = "--headless, --check-data, --romaji, --catalog and --bench exclude each other";
    return false;
  }
  if (checkData) o.Mode = AppOptions::TMode::CheckData;
  if (romaji) o.Mode = AppOptions::TMode::Romaji;
  if (catalog) o.Mode = AppOptions::TMode::Catalog;
  if (headless) o.Mode = AppOptions::TMode::Headless;
  if (bench) o.Mode = AppOptions::TMode::Bench;
  if (stats) o.Mode = AppOptions::TMode::Stats;
  if (benchOnly && !bench) {
    error = "--bench-frames needs --bench";
    return false;
  }
  bool run = o.Mode == AppOptions::TMode::Headless || o.Mode == AppOptions::TMode::Window;
  // --stats reads the records of the player's folder or of --save-dir.
  bool saveDirAllowed = run || o.Mode == AppOptions::TMode::Stats;
  {
    TWindowViewFlags view;
    if (!ParseWindowViewFlags(o.ReadingLine, o.RomajiDisplay, o.Typed, view, error)) return false;
  }
  const bool viewGiven = !o.ReadingLine.empty() || !o.RomajiDisplay.empty() || !o.Typed.empty();
  if (!run && (windowOnly || runOnly || o.Stage || !o.Difficulty.empty() || !o.StageLook.empty() ||
               viewGiven || !o.Practice.empty() || !o.TryScript.empty() || !o.RecordFile.empty() ||
               (!o.SaveDir.empty() && !saveDirAllowed) || !o.Shots.empty())) {
    error = "run options do not go with --check-data, --romaji, --catalog or --bench";
    return false;
  }
  if (headless && windowOnly) {
    error = "--scale and --fullscreen are for the window, not --headless";
    return false;
  }
  if (o.Mode == AppOptions::TMode::Window && runOnly) {
    error = "--seed, --frames, --keys, --replay, --trace, --summary and --card need --headless";
    return false;
  }
  if (!o.PracticeGoal.empty() && o.Practice.empty() && o.ReplayFile.empty()) {
    error = "--practice-goal needs --practice LIST";
    return false;
  }
  if (!o.Practice.empty() && (o.Stage || !o.TryScript.empty())) {
    error = "--practice does not go with --stage or --try-script";
    return false;
  }
  if (!o.ReplayFile.empty() &&
      (o.SeedGiven || o.Stage || !o.Difficulty.empty() || !o.Practice.empty() ||
       !o.TryScript.empty() || !o.KeysFile.empty() || !o.AutoplaySpec.empty() ||
       !o.ReadingLine.empty() || !o.RomajiDisplay.empty() || !o.Typed.empty() ||
       !o.PracticeGoal.empty())) {
    error =
        "--replay takes seed, stage, difficulty, practice and keys from its file: --seed, "
        "--stage, --difficulty, --practice, --practice-goal, --try-script, --keys, --autoplay and "
        "the "
        "window view "
        "options do not go with it";
    return false;
  }
  if (headless && o.Frames < 0 && o.ReplayFile.empty()) {
    error = "--headless needs --frames N (or --replay FILE, which knows its length)";
    return false;
  }
  return true;
}
