#pragma once

#include <array>
#include <string_view>

namespace kemurina {

// Where the seasonal window's labels sit in its design (twips from the top).
inline constexpr int kSeasonLabel2DesignTop = 960;
inline constexpr int kSeasonLabel3SecondDesignTop = 1920;

// What the seasonal window shows: its caption, the texts of Label1, Label2,
// Label3(0), Label3(1), which of the three chick pictures show, and where
// Label2 and Label3(1) go.
struct SeasonView {
  std::string_view Caption;
  std::string_view Label1;
  std::string_view Label2;
  std::array<std::string_view, 2> Label3;
  std::array<bool, 3> Pictures;
  int Label2Top;
  int Label3SecondTop;
};

// One greeting and the dates it covers (one month, a run of days).
struct SeasonDesign {
  int Month;
  int FirstDay;
  int LastDay;
  SeasonView View;
};

inline constexpr std::array<SeasonDesign, 3> kSeasons = {{
    {12,
     24,
     24,
     {"クリスマスイブ - hkrsoft",
      "クリスマスイブ限定スペシャルメッセージ",
      "",
      {"聖なる日のケムリナが", "成功しますように！"},
      {false, true, false},
      kSeasonLabel2DesignTop,
      kSeasonLabel3SecondDesignTop}},
    {12,
     25,
     25,
     {"メリークリスマス - hkrsoft",
      "クリスマス限定スペシャルメッセージ",
      "メリークリスマス",
      {"聖なる日のケムリナが", "成功しますように！"},
      {true, false, true},
      kSeasonLabel2DesignTop,
      kSeasonLabel3SecondDesignTop}},
    // The New Year greeting has no middle line, so its two lines move closer.
    {1,
     1,
     3,
     {"謹賀新年 - hkrsoft",
      "お正月限定スペシャルメッセージ",
      "あけましておめでとうございます",
      {"", "貴方のケムリナが成功しますように！"},
      {false, false, false},
      1200,
      1800}},
}};

// The caption the window is designed with, kept for a date no greeting covers.
inline constexpr std::string_view kSeasonDesignCaption = " メリークリスマス - hakkaro";

}  // namespace kemurina
