// The data checker's reading-line check: a reading the font cannot draw and
// one too long for any window are reported by file and line; others pass.
#include "app/reading_check.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "base/sjis.h"
#include "media/text_canvas.h"

namespace fs = std::filesystem;

namespace {

// Every glyph inked but those of one code point.
class FontWithout : public IGlyphSource {
 public:
  explicit FontWithout(char32_t missing) : missing_(missing) {
    inked_.Width = inked_.Rows = 12;
    inked_.Bits.assign(144, 1);
    blank_.Width = blank_.Rows = 12;
    blank_.Bits.assign(144, 0);
  }
  const TGlyph& Glyph(char32_t code, int) override { return code == missing_ ? blank_ : inked_; }

 private:
  char32_t missing_;
  TGlyph inked_, blank_;
};

TEST(ReadingCheck, UndrawableAndOverlongReadingsAreNamed) {
  std::string dir = (fs::temp_directory_path() / "mirutena-readings-XXXXXX").string();
  ASSERT_NE(mkdtemp(dir.data()), nullptr);
  fs::create_directories(dir + "/dat");
  std::string longReading;
  for (int i = 0; i < 40; ++i) longReading += "あ";
  std::ofstream(dir + "/dat/dat1.lin", std::ios::binary)
      << Sjis("鞄:かばん;\n猫:ねこ;\nかき;\n長:" + longReading + ";\n");
  std::ofstream(dir + "/dat/dat2.lin", std::ios::binary) << Sjis("柿:かき;\n");
  std::vector<std::string> messages;
  FontWithout noNe(U'ね');
  EXPECT_FALSE(CheckReadingsDrawable(dir, noNe, messages));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].rfind("dat/dat1.lin:2: ", 0), 0u) << messages[0];
  EXPECT_EQ(messages[1].rfind("dat/dat1.lin:4: ", 0), 0u) << messages[1];
  messages.clear();
  FontWithout complete(U'\U0001F600');
  std::ofstream(dir + "/dat/dat1.lin", std::ios::binary) << Sjis("鞄:かばん;\n");
  EXPECT_TRUE(CheckReadingsDrawable(dir, complete, messages));
  EXPECT_TRUE(messages.empty());
  fs::remove_all(dir);
}

}  // namespace
