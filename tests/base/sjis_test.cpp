// CP932 conversions: round trips, replacements for bad input, and converters
// kept between calls that a bad text leaves in no state the next call sees.
#include "base/sjis.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

TEST(Sjis, ConvertsBothWaysAndReplacesBadInput) {
  const std::string sjis = Utf8ToSjis("かばん鞄 ABC\\");
  EXPECT_EQ(sjis, "\x82\xa9\x82\xce\x82\xf1\x8a\x93 ABC\\");
  EXPECT_EQ(SjisToUtf8(sjis), "かばん鞄 ABC\\");
  EXPECT_EQ(SjisToUtf32(sjis), U"かばん鞄 ABC\\");

  bool ok = true;
  EXPECT_EQ(SjisToUtf8(std::string("a\x82", 2), &ok), "a\xEF\xBF\xBD");
  EXPECT_FALSE(ok);
  // A broken byte costs one replacement and never the character after it; a
  // character CP932 has no form for costs one too.
  EXPECT_EQ(Utf8ToSjis("a\xff"
                       "b",
                       &ok),
            "a?b");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Utf8ToSjis("a\xe3\x81"
                       "b\xf0\x9f\x98\x80"
                       "c"),
            "a?b?c");
  EXPECT_EQ(SjisToUtf32(std::string("\x82\xa9\xff\x82\xa9", 5)), U"か\uFFFDか");
}

TEST(Sjis, ABadTextLeavesNothingForTheNextConversion) {
  // The first half of a two-byte character at the end, then good texts in
  // every direction: each must convert exactly as it would alone.
  for (int round = 0; round < 3; ++round) {
    bool ok = true;
    SjisToUtf8(std::string("\x82\xa9\x82", 3), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(SjisToUtf8("\x82\xa9", &ok), "か");
    EXPECT_TRUE(ok);
    SjisToUtf32(std::string("\x82", 1));
    EXPECT_EQ(SjisToUtf32("\x82\xa9"), U"か");
    Utf8ToSjis("\xe3\x81", &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Utf8ToSjis("か", &ok), "\x82\xa9");
    EXPECT_TRUE(ok);
  }
}

TEST(Sjis, ThreadsConvertAtTheSameTime) {
  const std::string text = Utf8ToSjis("打ち込んだ言葉は消える");
  std::vector<std::thread> threads;
  std::vector<int> wrong(4, 0);
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i)
        if (SjisToUtf8(text) != "打ち込んだ言葉は消える" || SjisToUtf32(text).size() != 11)
          ++wrong[t];
    });
  for (std::thread& th : threads) th.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(wrong[t], 0) << "thread " << t;
}
