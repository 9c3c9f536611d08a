// The output limiter and the choice between a piece's rendering and its MIDI
// file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/sdl/limiter.h"
#include "platform/sdl/sdl_audio.h"

TEST(Limiter, QuietSoundPassesAndLoudSoundNeverReachesTheCeiling) {
  TLimiter lim(0.9f, 1000, 10.0f);
  std::vector<float> quiet = {0.1f, -0.2f, 0.5f, -0.5f};
  lim.Process(quiet.data(), 2, 2);
  EXPECT_EQ(quiet, (std::vector<float>{0.1f, -0.2f, 0.5f, -0.5f}));
  // Music and effects adding up well past full scale, in either channel.
  std::vector<float> loud;
  for (int i = 0; i < 400; ++i) {
    const float v = 2.5f * std::sin(static_cast<float>(i) * 0.3f);
    loud.push_back(v);
    loud.push_back(i % 50 == 7 ? -3.0f : v * 0.5f);
  }
  lim.Process(loud.data(), 400, 2);
  float peak = 0;
  for (float v : loud) peak = std::max(peak, std::fabs(v));
  EXPECT_LE(peak, 0.9f + 1e-6f);
  EXPECT_GT(peak, 0.85f);  // limited, not silenced
  // Afterwards the gain comes back within a few release times.
  std::vector<float> after(2 * 200, 0.3f);
  lim.Process(after.data(), 200, 2);
  EXPECT_NEAR(after.back(), 0.3f, 0.01f);
  // A broken sample is silenced rather than passed on.
  std::vector<float> bad = {NAN, INFINITY, 0.2f, 0.2f};
  lim.Process(bad.data(), 2, 2);
  for (float v : bad) EXPECT_TRUE(std::isfinite(v) && std::fabs(v) <= 0.9f);
}

TEST(MusicRendering, TheOggBesideTheMidiPlaysOnlyWhenItIsNotOlder) {
  namespace fs = std::filesystem;
  const fs::path dir =
      fs::temp_directory_path() / ("mirutena_rendering_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path mid = dir / "city3.mid", ogg = dir / "city3.ogg";
  std::ofstream(mid) << "MThd";
  EXPECT_EQ(RenderingOf(mid.string()), "");  // no rendering
  std::ofstream(ogg) << "OggS";
  const auto now = fs::last_write_time(mid);
  fs::last_write_time(ogg, now + std::chrono::seconds(5));
  EXPECT_EQ(RenderingOf(mid.string()), ogg.string());
  fs::last_write_time(ogg, now - std::chrono::seconds(5));  // the MIDI was changed since
  EXPECT_EQ(RenderingOf(mid.string()), "");
  EXPECT_EQ(RenderingOf((dir / "mine.MID").string()), "");  // a player's own file
  EXPECT_EQ(RenderingOf(ogg.string()), "");
  fs::remove_all(dir);
}
