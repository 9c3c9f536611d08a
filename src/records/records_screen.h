// The records screen (scene 60, 記録 on the title menu): per-stage bests,
// totals, the graph of the last parts and the keyboard heat map; Left/Right
// turn to the page of troublesome words and kana.
#pragma once
#include <array>
#include <vector>

#include "records/records_graph.h"
#include "records/records_stats.h"
#include "records/word_trouble.h"

struct Game;

inline constexpr size_t kGraphParts = 50;

// What the screen shows, worked out once when it opens.
struct TRecordsScreenData {
  std::array<TStageBest, 11> Bests{};
  TTotals Totals;
  std::vector<TGraphPoint> Points;  // the last parts played, oldest first
  TLetterCounts Hits{}, Missed{};
  std::vector<int> Weak;    // the five weakest keys
  TTroubleReport Troubles;  // the second page (records/trouble_page.h)
  int Page = 0;             // 0: bests, graph and keys; 1: troublesome words
};
TRecordsScreenData MakeRecordsScreenData(const std::vector<TRecordEntry>& entries);

void OpenRecordsScreen(Game& g);
void SceneRecords(Game& g);
