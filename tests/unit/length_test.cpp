#include "engine/length.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kemurina {
namespace {

// Snapshots are filled in by hand so these tests hold whatever the figure code does.
ProgressSnapshot Snap(int count, double mm, double metres, int perBox = 20, int perCarton = 10) {
  ProgressSnapshot s;
  s.CigarettesNotSmoked = count;
  s.LengthMillimetres = mm;
  s.LengthMetres = metres;
  s.PerBox = perBox;
  s.BoxesPerCarton = perCarton;
  return s;
}

TEST(LengthTable, SpotRows) {
  struct Case {
    int row;
    std::string_view name;
    int mm;
  };
  const Case cases[] = {
      {1, "ガンバレ－", 0},
      {2, "ダチョウの卵", 110},
      {20, "シーラカンス", 1680},
      {21, "鉛筆１０本", 1800},
      {496, "広州テレビ・観光塔", 600000},
      {497, "打上花火３０号の到達高度", 630000},
      {498, "シカゴ・スパイア（仮）", 609600},
      {499, "若戸大橋", 627000},
      {500, "ＫＴＨＩテレビ塔", 628800},
      {708, "成層圏を脱しました！", 800000000},
      {709, "空", 999999990},
      {710, "くう空くう", 999999999},
  };
  const LengthRow* rows = LengthTableRows();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(rows[c.row].Name, c.name);
    EXPECT_EQ(rows[c.row].LengthMm, c.mm);
  }
  // Row 1 ends in the full-width hyphen-minus U+FF0D, not a long-vowel mark.
  EXPECT_TRUE(rows[1].Name.ends_with("\xEF\xBC\x8D"));
}

TEST(LengthTable, StoredOrderAscendsExceptAfterRow497) {
  const LengthRow* rows = LengthTableRows();
  ASSERT_EQ(kLengthTableRows, 710);
  for (int i = 1; i <= kLengthTableRows; ++i) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(rows[i].Name.empty());
    if (i >= 2 && i != 498) {
      EXPECT_LT(rows[i - 1].LengthMm, rows[i].LengthMm);
    }
  }
  EXPECT_GT(rows[497].LengthMm, rows[498].LengthMm);
}

TEST(ChooseLengthRow, Boundaries) {
  struct Case {
    double mm;
    int row;
  };
  const Case cases[] = {
      {-1e6, 1},        {0, 1},           {109.9, 1},       {110, 2},         {1679.9, 19},
      {1680, 20},       {1700, 20},       {1799.9, 20},     {1800, 21},       {599999.9, 495},
      {600000, 496},    {609600, 496},    {627000, 496},    {628800, 496},    {629999.9, 496},
      {630000, 500},    {633999.9, 500},  {634000, 501},    {799999999, 707}, {800000000, 708},
      {999999989, 708}, {999999990, 709}, {999999999, 710}, {2e9, 710},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseLengthRow(c.mm), c.row) << "L = " << c.mm;
  }
}

TEST(ChooseLengthRow, ExactLengthSelectsThatRow) {
  const LengthRow* rows = LengthTableRows();
  for (int i = 2; i <= kLengthTableRows; ++i) {
    // Row 497 stops the scan before 498-500 are looked at; 500 only shows
    // from 630,000 on (see Boundaries).
    if (i >= 497 && i <= 500) continue;
    EXPECT_EQ(ChooseLengthRow(rows[i].LengthMm), i) << "row " << i;
  }
}

TEST(ChooseLengthRow, Rows497To499AreNeverChosen) {
  // The choice can only change at a row's length, so probing every length
  // and just below it covers all L; the stretch around the towers gets a
  // finer sweep on top.
  const LengthRow* rows = LengthTableRows();
  std::set<int> chosen;
  for (int i = 1; i <= kLengthTableRows; ++i) {
    chosen.insert(ChooseLengthRow(rows[i].LengthMm));
    chosen.insert(ChooseLengthRow(rows[i].LengthMm - 0.5));
  }
  for (double mm = 595000; mm <= 640000; mm += 0.5) {
    chosen.insert(ChooseLengthRow(mm));
  }
  EXPECT_EQ(chosen.count(497), 0u);
  EXPECT_EQ(chosen.count(498), 0u);
  EXPECT_EQ(chosen.count(499), 0u);
  EXPECT_EQ(chosen.size(), 707u);  // every other row is reachable
}

TEST(CompareLength, WorkedExample) {
  // 1 day at 20 a day, 85 mm.
  const ProgressSnapshot s = Snap(20, 1700, 1.7);
  const LengthComparison withBoxes = CompareLength(s, 1);
  EXPECT_EQ(withBoxes.Row, 20);
  EXPECT_EQ(withBoxes.Name, "シーラカンス");
  EXPECT_EQ(withBoxes.Caption, "1箱 1.7ｍ シーラカンス");
  // The sentence keeps the plain count even when the caption shows boxes.
  EXPECT_EQ(withBoxes.Sentence, "節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵します。");

  const LengthComparison withoutBoxes = CompareLength(s, 0);
  EXPECT_EQ(withoutBoxes.Caption, "20本 1.7ｍ シーラカンス");
  EXPECT_EQ(withoutBoxes.Sentence, withBoxes.Sentence);
}

TEST(CompareLength, CaptionForms) {
  struct Case {
    int count;
    int perBox, perCarton, showBoxes;
    std::string_view prefix;
  };
  const Case cases[] = {
      {40, 20, 10, 1, "2箱 "},    {200, 20, 10, 1, "1カートン "},
      {210, 20, 10, 1, "210本 "}, {400, 20, 10, 1, "2カートン "},
      {100, 10, 20, 1, "10箱 "},  {200, 10, 20, 1, "1カートン "},
      {0, 20, 10, 1, "0本 "},     {0, 10, 20, 1, "0本 "},
      {40, 20, 10, 0, "40本 "},   {200, 20, 10, 2, "200本 "},  // only exactly 1 switches boxes on
  };
  for (const Case& c : cases) {
    const ProgressSnapshot s = Snap(c.count, 0, 0, c.perBox, c.perCarton);
    const LengthComparison r = CompareLength(s, c.showBoxes);
    EXPECT_EQ(r.Caption, std::string(c.prefix) + "0ｍ ガンバレ－")
        << c.count << " at " << c.perBox << "/box, ShowBoxes " << c.showBoxes;
  }
}

TEST(CompareLength, CartonCaptionKeepsCountInSentence) {
  const LengthComparison r = CompareLength(Snap(200, 17000, 17), 1);
  EXPECT_TRUE(r.Caption.starts_with("1カートン 17ｍ "));
  EXPECT_TRUE(r.Sentence.starts_with("節煙本数は２００本で、これは１７ｍの"));
}

TEST(CompareLength, MetresBelowOneHaveNoLeadingZero) {
  const LengthComparison r = CompareLength(Snap(2, 170, 0.17), 1);
  EXPECT_EQ(r.Caption, "2本 .17ｍ ダチョウの卵");
  EXPECT_EQ(r.Sentence, "節煙本数は２本で、これは．１７ｍのダチョウの卵に匹敵します。");
}

TEST(CompareLength, StratosphereOverride) {
  struct Case {
    double mm;
    int row;
  };
  const Case cases[] = {{800000000, 708}, {800000001, 708}, {999999999, 710}, {2e9, 710}};
  for (const Case& c : cases) {
    const LengthComparison r = CompareLength(Snap(1, c.mm, c.mm / 1000), 0);
    EXPECT_EQ(r.Row, c.row) << c.mm;
    EXPECT_EQ(r.Name, "成層圏を脱しました！") << c.mm;
    EXPECT_TRUE(r.Caption.ends_with("ｍ 成層圏を脱しました！")) << r.Caption;
    EXPECT_TRUE(r.Sentence.ends_with("ｍの成層圏を脱しました！に匹敵します。")) << r.Sentence;
  }
  // Just below the override the scan's own row still speaks.
  EXPECT_EQ(CompareLength(Snap(1, 799999999, 800000), 0).Name, "国道１号線");
}

}  // namespace
}  // namespace kemurina
