#pragma once

#include "startup/settings.h"

namespace kemurina::faults {

// Two records that differ in every field and in the length of both files, so
// that a torn write cannot pass for either of them.
inline Settings VersionA() {
  Settings s;
  s.SetQuitDate({2024, 4, 24, 13, 5});
  s.SetupDone = 1;
  s.MainLeft = 1500;
  s.MainTop = 1200;
  return s;
}

inline Settings VersionB() {
  Settings s;
  s.SetQuitDate({2019, 12, 31, 23, 59});
  s.CigarettesPerDay = 140;
  s.PackPrice = 1250;
  s.CigaretteLength = 100;
  s.SetupDone = 1;
  s.TobaccoTaxPer1000 = 99999;
  s.ConsumptionTaxPercent = 10;
  s.CopyPlusMode = 2;
  s.SmokingYears = 42;
  s.ShowBoxes = 0;
  s.MainLeft = -3000;
  s.MainTop = 45000;
  s.TextBackColor = 123456;
  s.TextForeColor = 654321;
  s.BbsUrl = "blog.example.jp/ケムリナ,日記/";
  s.WindowMode = 1;
  s.MiniLeft = 7770;
  s.MiniTop = -15;
  s.StatusModeName = "日本旅行";
  return s;
}

}  // namespace kemurina::faults
