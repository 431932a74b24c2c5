#include "engine/length.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace kemurina {
namespace {

// Filled in by hand so that these tests hold whatever the figure code does.
ProgressSnapshot Snap(int count, double mm, double metres, std::optional<int> boxes = {},
                      std::optional<int> cartons = {}) {
  ProgressSnapshot s;
  s.CigarettesNotSmoked = count;
  s.LengthMillimetres = mm;
  s.LengthMetres = metres;
  s.BoxCount = boxes;
  s.CartonCount = cartons;
  return s;
}

// The forward scan stops at the first longer row, so 497 (entered before the
// three shorter towers after it) hides 498 and 499, and 500 only shows from
// 630,000 on; every other row shows from its own length, in stored order.
TEST(LengthTable, RowsAndTheirChoice) {
  const LengthRow* rows = LengthTableRows();
  // Row 1 ends in the full-width hyphen-minus U+FF0D (EF BC 8D), not a long-vowel mark.
  // clang-format off
  const std::tuple<int, std::string_view, int> spots[] = {
      {1, "ガンバレ\xEF\xBC\x8D", 0},            {2, "ダチョウの卵", 110},
      {20, "シーラカンス", 1680},                {21, "鉛筆１０本", 1800},
      {496, "広州テレビ・観光塔", 600000},       {497, "打上花火３０号の到達高度", 630000},
      {498, "シカゴ・スパイア（仮）", 609600},   {499, "若戸大橋", 627000},
      {500, "ＫＴＨＩテレビ塔", 628800},         {708, "成層圏を脱しました！", 800000000},
      {709, "空", 999999990},                    {710, "くう空くう", 999999999}};
  // clang-format on
  for (const auto& [row, name, mm] : spots) {
    EXPECT_EQ(std::tuple(rows[row].Name, rows[row].LengthMm), std::tuple(name, mm)) << row;
  }
  const std::pair<double, int> choices[] = {
      {-1e6, 1},        {0, 1},           {109.9, 1},       {110, 2},         {1679.9, 19},
      {1680, 20},       {1700, 20},       {1799.9, 20},     {1800, 21},       {599999.9, 495},
      {600000, 496},    {609600, 496},    {627000, 496},    {628800, 496},    {629999.9, 496},
      {630000, 500},    {633999.9, 500},  {634000, 501},    {799999999, 707}, {800000000, 708},
      {999999989, 708}, {999999990, 709}, {999999999, 710}, {2e9, 710}};
  for (const auto& [mm, row] : choices) EXPECT_EQ(ChooseLengthRow(mm), row) << "L = " << mm;
  for (int i = 2; i <= kLengthTableRows; ++i) {
    EXPECT_FALSE(rows[i].Name.empty()) << "row " << i;
    if (i >= 497 && i <= 500) continue;
    EXPECT_EQ(ChooseLengthRow(rows[i].LengthMm), i) << "row " << i;
  }
}

// The sentence keeps the plain count when the caption shows boxes; metres
// below one have no zero before the point in either text.
TEST(CompareLength, CaptionAndSentence) {
  const std::string example = "節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵します。";
  const std::tuple<ProgressSnapshot, int, std::string, std::string> cases[] = {
      {Snap(20, 1700, 1.7, 1), 20, "1箱 1.7ｍ シーラカンス", example},
      {Snap(20, 1700, 1.7), 20, "20本 1.7ｍ シーラカンス", example},
      {Snap(200, 17000, 17, {}, 1), 122, "1カートン 17ｍ シャア専用ザク",
       "節煙本数は２００本で、これは１７ｍのシャア専用ザクに匹敵します。"},
      {Snap(2, 170, 0.17), 2, "2本 .17ｍ ダチョウの卵",
       "節煙本数は２本で、これは．１７ｍのダチョウの卵に匹敵します。"},
      {Snap(1, 799999999, 800000), 707, "1本 800000ｍ 国道１号線",
       "節煙本数は１本で、これは８０００００ｍの国道１号線に匹敵します。"}};
  for (const auto& [snap, row, caption, sentence] : cases) {
    const LengthComparison r = CompareLength(snap);
    EXPECT_EQ(std::tuple(r.Row, r.Caption, r.Sentence), std::tuple(row, caption, sentence));
    EXPECT_TRUE(caption.ends_with("ｍ " + r.Name)) << r.Name;
  }
  // Above 800 km the name celebrates, whichever row the scan chose.
  for (auto [mm, row] :
       {std::pair{800000000.0, 708}, {800000001, 708}, {999999999, 710}, {2e9, 710}}) {
    const LengthComparison r = CompareLength(Snap(1, mm, 800000));
    EXPECT_EQ(
        std::tuple(r.Row, r.Name, r.Caption, r.Sentence),
        std::tuple(row, "成層圏を脱しました！", "1本 800000ｍ 成層圏を脱しました！",
                   "節煙本数は１本で、これは８０００００ｍの成層圏を脱しました！に匹敵します。"))
        << mm;
  }
}

// Boxes and cartons only at exact multiples, never for zero, and only for
// ShowBoxes exactly 1; a carton is 200 cigarettes at either box size.
TEST(CompareLength, CountBoxOrCartonInTheCaption) {
  const std::tuple<int, int, int, std::string> cases[] = {
      {40, 85, 1, "2箱 "},        {200, 85, 1, "1カートン "}, {210, 85, 1, "210本 "},
      {400, 85, 1, "2カートン "}, {100, 50, 1, "10箱 "},      {200, 50, 1, "1カートン "},
      {0, 85, 1, "0本 "},         {0, 50, 1, "0本 "},         {40, 85, 0, "40本 "},
      {200, 85, 2, "200本 "}};
  for (const auto& [perDay, length, showBoxes, prefix] : cases) {
    Settings s;
    s.SetQuitDate({2024, 5, 1, 12, 0});
    s.CigarettesPerDay = perDay;
    s.CigaretteLength = length;
    s.ShowBoxes = showBoxes;
    const std::string caption = CompareLength(ComputeSnapshot(s, {2024, 5, 2, 12, 0})).Caption;
    EXPECT_TRUE(caption.starts_with(prefix))
        << caption << ": " << perDay << " a day of " << length << " mm, ShowBoxes " << showBoxes;
  }
}

}  // namespace
}  // namespace kemurina
