// The records file: lines that read back as written, damaged, cut and
// NUL-filled tails, files of a newer version, and appends killed mid-way.
#include "records/records_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

class RecordsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "mirutena_records_XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    dir_ = mkdtemp(buf.data());
    path_ = dir_ + "/dat/records.txt";
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  static TRecordEntry Sample(int n) {
    TRecordEntry e;
    e.Time = 1796000000 + n;
    e.Stage = 1 + n % 9;
    e.Part = 1 + n % 3;
    e.Attempt = n;
    e.Cleared = n % 2 == 0;
    e.Score = 1000 * n;
    e.Keys = 300 + n;
    e.Misses = n % 7;
    e.Streak = 40 + n % 50;
    e.Frames = 2400 + n;
    e.Words = 60;
    e.Hits[1] = 50, e.Hits[11] = 30, e.Hits[27] = 2;
    e.Missed[11] = static_cast<uint32_t>(n % 7);
    return e;
  }

  void Append(const TRecordEntry& e) {
    std::string error;
    ASSERT_TRUE(AppendRecordLine(path_, e, error)) << error;
  }

  std::string Read() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Write(const std::string& bytes) const {
    fs::create_directories(fs::path(path_).parent_path());
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out << bytes;
  }

  std::string dir_, path_;
};

TEST_F(RecordsFileTest, EntriesReadBackAsWritten) {
  TRecordEntry a = Sample(4);
  a.Difficulty = "hard";
  a.Kind = "practice";
  Append(a);
  Append(Sample(5));
  TRecordsLoad load = LoadRecordsFile(path_);
  EXPECT_EQ(load.Warning, "");
  EXPECT_EQ(load.Version, kRecordsVersion);
  ASSERT_EQ(load.Entries.size(), 2u);
  const TRecordEntry& b = load.Entries[0];
  EXPECT_EQ(b.Time, a.Time);
  EXPECT_EQ(b.Kind, "practice");
  EXPECT_EQ(b.Difficulty, "hard");
  EXPECT_EQ(b.Stage, a.Stage);
  EXPECT_EQ(b.Part, a.Part);
  EXPECT_EQ(b.Attempt, 4);
  EXPECT_TRUE(b.Cleared);
  EXPECT_EQ(b.Score, 4000);
  EXPECT_EQ(b.Keys, a.Keys);
  EXPECT_EQ(b.Misses, a.Misses);
  EXPECT_EQ(b.Streak, a.Streak);
  EXPECT_EQ(b.Frames, a.Frames);
  EXPECT_EQ(b.Words, a.Words);
  EXPECT_EQ(b.Hits, a.Hits);
  EXPECT_EQ(b.Missed, a.Missed);
  EXPECT_FALSE(load.Entries[1].Cleared);
  EXPECT_EQ(load.Entries[1].Difficulty, "");
  // The header names the version; a line of a typical part stays small.
  EXPECT_EQ(Read().rfind("mirutena-records 1\n", 0), 0u);
  EXPECT_LT(FormatRecordLine(a).size(), 130u);
}

TEST_F(RecordsFileTest, DamagedCutAndNulLinesAreSkippedOthersKept) {
  for (int i = 1; i <= 4; ++i) Append(Sample(i));
  std::string text = Read();
  // A changed digit in the second entry, a cut fifth entry and a NUL tail.
  size_t second = text.find('\n', text.find('\n') + 1) + 1;
  size_t digit = text.find(" 2000 ", second);
  ASSERT_NE(digit, std::string::npos);
  text[digit + 1] = '3';
  std::string fifth = FormatRecordLine(Sample(5));
  Write(text + fifth.substr(0, fifth.size() / 2) + std::string(300, '\0'));
  TRecordsLoad load = LoadRecordsFile(path_);
  ASSERT_EQ(load.Entries.size(), 3u);
  EXPECT_EQ(load.Entries[0].Attempt, 1);
  EXPECT_EQ(load.Entries[1].Attempt, 3);
  EXPECT_EQ(load.Entries[2].Attempt, 4);
  EXPECT_EQ(load.Skipped, 2);
  EXPECT_TRUE(load.Writable);
  EXPECT_NE(load.Warning.find("2 damaged lines"), std::string::npos) << load.Warning;

  // The next append drops the cut tail instead of running into it.
  Append(Sample(6));
  load = LoadRecordsFile(path_);
  ASSERT_EQ(load.Entries.size(), 4u);
  EXPECT_EQ(load.Entries.back().Attempt, 6);
  EXPECT_EQ(load.Skipped, 1);  // the damaged middle line stays where it was
}

// Lines whose check is right but whose fields are not: each is refused
// whole, never read as a shifted or partly filled entry.
TEST(RecordLine, MalformedFieldsUnderAValidCheckAreRefused) {
  const std::string good = "20261208T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 a50k30-2 k7";
  auto parses = [](const std::string& fields, TRecordEntry& e) {
    const std::string line = SealRecordLine(fields);
    return ParseRecordLine(line.data(), line.data() + line.size() - 1, e);
  };
  TRecordEntry e;
  ASSERT_TRUE(parses(good, e));
  EXPECT_EQ(e.Stage, 3);
  EXPECT_EQ(e.Score, 12345);
  EXPECT_EQ(e.Frames, 2500);
  EXPECT_EQ(e.Hits[1], 50u);
  EXPECT_EQ(e.Hits[27], 2u);
  EXPECT_EQ(e.Missed[11], 7u);
  EXPECT_TRUE(parses("20261208T101500Z part 3 2 - 4 1 -5 400 7 90 2500 80 - -", e));
  EXPECT_EQ(e.Score, -5);  // a score can fall below zero; counts cannot

  const char* const bad[] = {
      "20261208T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 a50k30-2 k7 9",   // extra field
      "20261208T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 a50k30-2",        // one missing
      "20261208T101500Z part 3 2 -  4 1 12345 400 7 90 2500 80 a50k30-2 k7",    // two spaces
      "20261208T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 a50k30-2 k7 ",    // trailing space
      "20261208T101500Z part 3 2 - 4 1 12345 -400 7 90 2500 80 a50k30-2 k7",    // negative keys
      "20261208T101500Z part 3 2 - 4 2 12345 400 7 90 2500 80 a50k30-2 k7",     // cleared is 0/1
      "20261208T101500Z part 3 2 - 4 1 123x5 400 7 90 2500 80 a50k30-2 k7",     // letter in number
      "20261208T101500Z part 3 2 - 4 1 99999999999 400 7 90 2500 80 - -",       // score past int
      "20261208T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 a50a30 k7",       // letter twice
      "20261208T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 a0 k7",           // count 0
      "20261208T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 a12345678901 -",  // 11 digits
      "20261208T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 A5 k7",           // capital letter
      "20261208T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 a k7",            // no count
      "20261308T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 - -",             // month 13
      "2026120XT101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 - -",             // letter in date
  };
  for (const char* fields : bad) EXPECT_FALSE(parses(fields, e)) << fields;
}

TEST_F(RecordsFileTest, LineCutAtAFieldBoundaryIsStillSkipped) {
  Append(Sample(1));
  std::string line = FormatRecordLine(Sample(2));
  // Without its check field and line end the line would parse as fields.
  Write(Read() + line.substr(0, line.rfind(" *")));
  TRecordsLoad load = LoadRecordsFile(path_);
  EXPECT_EQ(load.Entries.size(), 1u);
  EXPECT_EQ(load.Skipped, 1);
}

TEST_F(RecordsFileTest, NewerOrForeignFilesAreNeverWritten) {
  const std::string newer =
      "mirutena-records 2\n20270101T000000Z part 1 1 - 1 1 100 10 0 10 200 2 a10 - x9 *0000\n";
  Write(newer);
  TRecordsLoad load = LoadRecordsFile(path_);
  EXPECT_FALSE(load.Writable);
  EXPECT_EQ(load.Version, 2);
  EXPECT_NE(load.Warning.find("newer version"), std::string::npos);
  std::string error;
  EXPECT_FALSE(AppendRecordLine(path_, Sample(1), error));
  EXPECT_EQ(Read(), newer);

  const std::string foreign = "hello\nworld";
  Write(foreign);
  EXPECT_FALSE(LoadRecordsFile(path_).Writable);
  EXPECT_FALSE(AppendRecordLine(path_, Sample(1), error));
  EXPECT_EQ(Read(), foreign);
}

TEST_F(RecordsFileTest, MissingEmptyAndCutHeaderFilesStartAfresh) {
  TRecordsLoad load = LoadRecordsFile(path_);
  EXPECT_TRUE(load.Entries.empty());
  EXPECT_EQ(load.Warning, "");
  EXPECT_TRUE(load.Writable);
  for (const std::string& start :
       {std::string(), std::string("mirutena-rec"), std::string(40, '\0')}) {
    Write(start);
    EXPECT_TRUE(LoadRecordsFile(path_).Writable);
    Append(Sample(3));
    load = LoadRecordsFile(path_);
    ASSERT_EQ(load.Entries.size(), 1u) << start.size();
    EXPECT_EQ(load.Skipped, 0);
  }
}

// A writer killed at any moment leaves every finished append whole: at most
// the last line can be cut, and the next append carries on cleanly.
TEST_F(RecordsFileTest, AppendsKilledMidwayLoseNothingWhole) {
  Append(Sample(0));
  for (int round = 0; round < 3; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::string error;
      for (int n = 1;; ++n)
        if (!AppendRecordLine(path_, Sample(n), error)) _exit(2);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(30 + 20 * round));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
    TRecordsLoad load = LoadRecordsFile(path_);
    EXPECT_LE(load.Skipped, 1);
    EXPECT_TRUE(load.Writable);
    ASSERT_GE(load.Entries.size(), 2u);
    size_t before = load.Entries.size();
    Append(Sample(999));
    load = LoadRecordsFile(path_);
    EXPECT_EQ(load.Entries.size(), before + 1);
    EXPECT_EQ(load.Entries.back().Attempt, 999);
    EXPECT_EQ(load.Skipped, 0);
  }
}

// The loader and the appender judge a header alike: a whole header without its
// line end is written to (the line end added first), and a header the
// appender cannot see in its first 64 bytes is left alone by both.
TEST_F(RecordsFileTest, LoaderAndAppenderAgreeOnTheHeader) {
  Write("mirutena-records 01");
  ASSERT_TRUE(LoadRecordsFile(path_).Writable);
  Append(Sample(1));
  TRecordsLoad load = LoadRecordsFile(path_);
  EXPECT_EQ(load.Entries.size(), 1u);
  EXPECT_EQ(Read().rfind("mirutena-records 01\n", 0), 0u);

  for (const std::string& odd :
       {std::string(100, '\0'), "mirutena-records " + std::string(60, '0') + "1\n"}) {
    Write(odd);
    EXPECT_FALSE(LoadRecordsFile(path_).Writable);
    std::string error;
    EXPECT_FALSE(AppendRecordLine(path_, Sample(2), error));
    EXPECT_EQ(Read(), odd);
  }
}

}  // namespace

// The prompt windows a part was played with travel in the line: nothing for
// the windows older lines were played with, r= and k= otherwise, and a bad
// value makes the line damaged.
TEST(RecordsFile, TheWindowsViewIsKeptInTheLine) {
  TRecordEntry e;
  e.Stage = 2;
  e.Part = 1;
  std::string plain = FormatRecordLine(e);
  EXPECT_EQ(plain.find(" r="), std::string::npos);
  EXPECT_EQ(plain.find(" k="), std::string::npos);
  e.RomajiDisplay = "hint";
  e.ReadingLine = true;
  const std::string line = FormatRecordLine(e);
  EXPECT_NE(line.find(" r=hint"), std::string::npos);
  EXPECT_NE(line.find(" k=on"), std::string::npos);
  TRecordEntry back;
  ASSERT_TRUE(ParseRecordLine(line.data(), line.data() + line.size() - 1, back));
  EXPECT_EQ(back.RomajiDisplay, "hint");
  EXPECT_TRUE(back.ReadingLine);
  ASSERT_TRUE(ParseRecordLine(plain.data(), plain.data() + plain.size() - 1, back));
  EXPECT_EQ(back.RomajiDisplay, "always");
  EXPECT_FALSE(back.ReadingLine);
  std::string fields = line.substr(0, line.find(" *"));
  fields.replace(fields.find("r=hint"), 6, "r=fast");
  const std::string bad = SealRecordLine(fields);
  EXPECT_FALSE(ParseRecordLine(bad.data(), bad.data() + bad.size() - 1, back));
}

// A time the writer could not write back (a year before 1000) makes the line
// damaged instead of coming back as 1970.
TEST(RecordsFile, YearsBeforeOneThousandAreDamage) {
  TRecordEntry e;
  e.Time = 1700000000;
  std::string fields = FormatRecordLine(e);
  fields = fields.substr(0, fields.find(" *"));
  TRecordEntry back;
  for (const char* when : {"09991231T235959Z", "10000101T000000Z"}) {
    const std::string line = SealRecordLine(std::string(when) + fields.substr(16));
    const bool ok = ParseRecordLine(line.data(), line.data() + line.size() - 1, back);
    EXPECT_EQ(ok, when[0] == '1') << line;
  }
}
