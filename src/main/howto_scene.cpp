// あそびかた: the page turning and the frame of the pages (panel, heading,
// page number, key help); the pages themselves are in howto_pages.
#include "main/howto_scene.h"

#include <string>

#include "main/howto_pages.h"
#include "media/ui_kit.h"
#include "world/backdrop.h"
#include "world/game.h"

namespace {

// The title menu's entry of あそびかた, where the cursor goes back to.
constexpr int kHowToPlayEntry = 6;

void Leave(Game& g) {
  g.Scene = kSceneTitle;
  g.Cursor = kHowToPlayEntry;
}

}  // namespace

void OpenHowToPlay(Game& g) {
  g.Scene = kSceneHowToPlay;
  g.Cursor = 1;
}

void SceneHowToPlay(Game& g) {
  // Escape and Backspace are read as held keys, as on the other menus.
  if (g.Inputer.IsKeyDown(vk::Escape) || g.Inputer.IsKeyDown(vk::Backspace)) {
    Leave(g);
    return;
  }
  int& page = g.Cursor;
  if (page < 1 || page > kHowToPlayPages) page = 1;
  if (g.ArrowKey == 4 && page > 1) --page;
  if (g.ArrowKey == 2 && page < kHowToPlayPages) ++page;
  if (g.SpaceKey == 1) {
    // Space or Enter turns on; after the last page it goes back.
    if (page == kHowToPlayPages) {
      Leave(g);
      return;
    }
    ++page;
  }
  DrawBackground(g, 1);
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.Panel(MakeRect(16, 10, 414, 390));
  const TRect inside = ui.Frame();
  ui.Heading(16, "あそびかた");
  ui.Text(34, 46, HowToPlayPageTitle(page), kMenuHeading);
  ui.TextRight(396, 46, std::to_string(page) + " / " + std::to_string(kHowToPlayPages), kMenuHelp);
  DrawHowToPlayPage(g, ui, page);
  ui.SetFrame(inside);
  ui.Rule(360, 20);
  ui.TextCentred(368,
                 page < kHowToPlayPages ? "←→ / Enter：ページをめくる　Esc：もどる"
                                        : "← もどる　Enter / Esc：タイトルへ",
                 kMenuHelp);
}
