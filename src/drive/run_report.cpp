// Trace and summary lines of a run, written as compact JSON.
#include "drive/run_report.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/sjis.h"
#include "records/rank_ladder.h"
#include "world/game.h"
#include "world/window_view.h"

namespace {

// Appends "key":value pairs with the commas between them.
class JsonObject {
 public:
  JsonObject& Raw(const char* key, const std::string& value) {
    text_ += first_ ? "{" : ",";
    first_ = false;
    text_ += '"';
    text_ += key;
    text_ += "\":";
    text_ += value;
    return *this;
  }
  JsonObject& Int(const char* key, int64_t v) { return Raw(key, std::to_string(v)); }
  JsonObject& Real(const char* key, double v) { return Raw(key, JsonNumber(v)); }
  std::string Close() { return first_ ? "{}" : text_ + "}"; }

 private:
  std::string text_;
  bool first_ = true;
};

template <typename List, typename F>
std::string JsonArray(const List& list, F&& item) {
  std::string s = "[";
  bool first = true;
  for (const auto& x : list) {
    std::string one = item(x);
    if (one.empty()) continue;
    if (!first) s += ",";
    s += one;
    first = false;
  }
  return s + "]";
}

std::string EnemyJson(const std::unique_ptr<TEnemy>& p) {
  if (!p) return "";
  const TEnemy& e = *p;
  return JsonObject()
      .Int("kind", e.Kind)
      .Int("state", e.State)
      .Real("x", e.X)
      .Real("y", e.Y)
      .Int("life", e.Life)
      .Int("boss", e.IsBoss)
      .Int("age", e.Age)
      .Close();
}

std::string WindowJson(const Game& g, const std::unique_ptr<TTypeWindow>& p) {
  if (!p) return "";
  const TTypeWindow& w = *p;
  return JsonObject()
      .Int("state", w.State)
      .Int("cx", w.CenterX)
      .Int("cy", w.CenterY)
      .Int("width", w.Width)
      .Int("height", w.Height)
      .Raw("text", JsonString(SjisToUtf8(w.DisplayText)))
      .Raw("mode", JsonString(w.Mode))
      .Raw("romaji", JsonString(w.CurrentRomaji))
      .Int("position", w.Position)
      .Int("locked", w.Locked)
      .Int("target", g.Typing.Target == p.get() ? 1 : 0)
      .Int("reading", w.ShowsReading ? 1 : 0)
      .Int("romaji_shown", RomajiShown(g, w) ? 1 : 0)
      .Close();
}

std::string BombsJson(const Game& g) {
  std::string s = "[";
  for (size_t i = 1; i < g.Enemies.Bombs.size(); ++i) {
    const TBak& b = g.Enemies.Bombs[i];
    if (i > 1) s += ",";
    s += JsonObject().Int("present", b.Present).Int("x", b.X).Int("y", b.Y).Close();
  }
  return s + "]";
}

// Length of the well-formed UTF-8 sequence of two to four bytes at i, or 0.
size_t Utf8SequenceLength(const std::string& s, size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  size_t len = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
  if (c >= 0xF5) len = 0;
  if (len == 0 || i + len > s.size()) return 0;
  for (size_t k = 1; k < len; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return len;
}

int64_t CountEffects(const Game& g) {
  int64_t n = 0;
  for (const auto& e : g.Effects.EffectList)
    if (e) ++n;
  return n;
}

}  // namespace

std::string JsonNumber(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  if (ec != std::errc()) return "null";
  return std::string(buf, end);
}

std::string JsonString(const std::string& bytes) {
  std::string s = "\"";
  size_t i = 0;
  while (i < bytes.size()) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    size_t len = Utf8SequenceLength(bytes, i);
    if (c >= 0x80 && len > 0) {
      s.append(bytes, i, len);
      i += len;
      continue;
    }
    if (c == '"' || c == '\\') {
      s += '\\';
      s += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      s += buf;
    } else {
      s += static_cast<char>(c);
    }
    ++i;
  }
  return s + "\"";
}

std::string TraceLine(const Game& g, int64_t frame) {
  return JsonObject()
      .Int("frame", frame)
      .Int("scene", g.Scene)
      .Int("stage", g.Stage)
      .Int("part", g.Part)
      .Int("score", g.Score)
      .Int("rate", g.Rate)
      .Int("cleartimer", g.ClearTimer)
      .Raw("enemies", JsonArray(g.Enemies.EnemyList, EnemyJson))
      .Raw("windows",
           JsonArray(g.Typing.WindowList,
                     [&](const std::unique_ptr<TTypeWindow>& w) { return WindowJson(g, w); }))
      .Raw("bombs", BombsJson(g))
      .Int("effects", CountEffects(g))
      .Raw("sounds", JsonArray(g.Waves.PlayLog, JsonString))
      .Int("sound_on", g.SoundOn)
      .Int("music_on", g.MusicOn)
      .Int("music_state", g.MusicState)
      .Int("alpha_on", g.AlphaOn)
      .Int("fps_show", g.FpsShow)
      .Int("curtain", g.Scenes.CurtainState)
      .Close();
}

std::string SummaryLine(const Game& g, int64_t frames) {
  // Finished practice runs, and the one still on the field.
  std::vector<TPracticeResult> practice = g.Practice.Finished;
  // A practice on the field holds the game's own counts aside until it ends.
  const bool practising = g.Scene == kScenePracticeField;
  if (practising) practice.push_back(g.Practice.Result);
  const TMeasures& run = practising ? g.Practice.Saved.RunTotal : g.Records.RunTotal;
  std::string cleared;
  for (uint8_t c : g.Cleared) cleared += static_cast<char>('0' + (c % 10));
  return JsonObject()
      .Int("frames", frames)
      .Int("scene", g.Scene)
      .Int("stage", g.Stage)
      .Int("part", g.Part)
      .Int("score", g.Score)
      .Int("rate", g.Rate)
      .Raw("cleared", JsonString(cleared))
      .Raw("ranking", JsonArray(g.Ranking, [](int32_t v) { return std::to_string(v); }))
      .Int("kills", g.Kills)
      .Int("keys", practising ? g.Practice.Saved.KeysTyped : g.KeysTyped)
      .Int("misses", practising ? g.Practice.Saved.Misses : g.Misses)
      .Int("gameovers", g.GameOvers)
      .Raw("kps", FixedText(TypingKps(run), 3))
      .Raw("pace", FixedText(PaceKps(run), 3))
      .Int("typeable_frames", run.TypeFrames)
      .Raw("accuracy", FixedText(Accuracy(run.Correct, run.Misses), 4))
      .Raw("rank", JsonString(RankRomaji(RankOf(run.Correct, run.Misses, run.TypeFrames))))
      .Int("streak", run.LongestStreak)
      .Raw("weak_keys", LettersJson(WeakestKeys(run.Hits, run.Missed, 3)))
      .Raw("stages_cleared", JsonArray(g.StagesCleared, [](int v) { return std::to_string(v); }))
      .Raw("difficulty", JsonString(DifficultyName(g.Difficulty.Level)))
      .Raw("reading_line", JsonString(WindowViewOf(g).Reading ? "on" : "off"))
      .Raw("romaji_display", JsonString(RomajiDisplayName(WindowViewOf(g).Romaji)))
      .Raw("typed_letters", JsonString(TypedLettersName(WindowViewOf(g).Typed)))
      .Int("paused_frames", g.Pause.PausedFrames)
      .Raw("practice", JsonArray(practice,
                                 [](const TPracticeResult& r) {
                                   return JsonObject()
                                       .Raw("list", JsonString(r.ListName))
                                       .Int("frames", r.M.Frames)
                                       .Int("typeable_frames", r.M.TypeFrames)
                                       .Raw("kps", FixedText(TypingKps(r.M), 3))
                                       .Int("words", r.M.Words)
                                       .Int("keys", r.M.Correct)
                                       .Int("misses", r.M.Misses)
                                       .Raw("goal", JsonString(r.Goal))
                                       .Raw("rank", JsonString(RankRomaji(RankOf(
                                                        r.M.Correct, r.M.Misses, r.M.TypeFrames))))
                                       .Raw("best", r.NewBest ? "true" : "false")
                                       .Close();
                                 }))
      .Int("retries", g.Pause.Retries)
      .Int("seed", g.Seed)
      .Raw("error", JsonString(g.LastError))
      .Close();
}
