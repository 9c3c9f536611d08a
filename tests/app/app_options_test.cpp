// The command line's --stage-look: its values, where it may go, and that a
// replay takes it (the look changes no play, so recordings do not hold it).
#include "app/app_options.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_setup.h"

namespace {

bool Parse(const std::vector<std::string>& args, AppOptions& o, std::string& error) {
  o = AppOptions();
  error.clear();
  return ParseCommandLine(args, o, error);
}

}  // namespace

TEST(AppOptions, StageLookTakesStagesOrClassicWhereAGameRuns) {
  AppOptions o;
  std::string error;
  ASSERT_TRUE(Parse({"--headless", "--frames", "5", "--stage-look", "classic"}, o, error)) << error;
  EXPECT_EQ(o.StageLook, "classic");
  ASSERT_TRUE(Parse({"--stage-look", "stages", "--stage", "3"}, o, error)) << error;
  EXPECT_EQ(o.Mode, AppOptions::TMode::Window);
  EXPECT_EQ(o.StageLook, "stages");
  ASSERT_TRUE(Parse({"--headless", "--replay", "r.txt", "--stage-look", "classic"}, o, error))
      << error;
  ASSERT_TRUE(Parse({"--headless", "--frames", "5"}, o, error));
  EXPECT_TRUE(o.StageLook.empty());

  EXPECT_FALSE(Parse({"--headless", "--frames", "5", "--stage-look", "modern"}, o, error));
  EXPECT_EQ(error, "--stage-look: expected stages or classic, got \"modern\"");
  EXPECT_FALSE(Parse({"--headless", "--frames", "5", "--stage-look"}, o, error));
  EXPECT_EQ(error, "--stage-look needs a value");
  EXPECT_FALSE(Parse({"--check-data", "--stage-look", "classic"}, o, error));
  EXPECT_FALSE(Parse({"--bench", "--stage-look", "classic"}, o, error));
  EXPECT_NE(std::string(UsageText()).find("--stage-look stages|classic"), std::string::npos);
}

TEST(AppOptions, TheFlagOverridesTheSettingForTheRunOnly) {
  auto game = std::make_unique<Game>();
  Game& g = *game;
  ApplyStageLook(g, "");
  EXPECT_FALSE(g.Scenes.StageLookGiven);
  ApplyStageLook(g, "classic");
  EXPECT_TRUE(g.Scenes.StageLookGiven);
  EXPECT_EQ(g.Scenes.StageLookFlag, TStageLook::Classic);
  // The settings keep their own choice.
  EXPECT_EQ(g.Settings.Values().StageLook, TStageLook::Stages);
}
