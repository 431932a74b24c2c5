#pragma once

#include <optional>

#include "startup/calendar.h"
#include "startup/local_time.h"
#include "startup/settings.h"

namespace kemurina {

// Whole minutes from a to b by the calendar walk (negative when b is the
// earlier moment); changes t's February entry.
long long ComputeElapsedMinutes(const LocalTime& a, const LocalTime& b, MonthTable& t);

struct ProgressSnapshot {
  LocalTime Now{};
  int ElapsedMinutes = 0;
  int ElapsedYears = 0;
  int ElapsedMonths = 0;
  int ElapsedDays = 0;
  int ElapsedHours = 0;
  int ElapsedMins = 0;
  int ElapsedWholeDays = 0;
  double MoneySaved = 0;
  double TobaccoTaxSaved = 0;
  double ConsumptionTaxSaved = 0;
  int LifeMinutes = 0;
  int CigarettesNotSmoked = 0;
  double LengthMillimetres = 0;
  double LengthMetres = 0;
  int PerBox = 20;
  int BoxesPerCarton = 10;
  std::optional<int> BoxCount{};
  std::optional<int> CartonCount{};
  int LungColour = 5;  // 0xBBGGRR
  int ProgressValue = 0;
  bool ProgressVisible = true;
  int CharacterStage = 0;  // 0..6
};

// Every figure of one refresh. A quit moment later than now counts as no time
// elapsed yet (the clock was set back): every figure is that of day 0.
ProgressSnapshot ComputeSnapshot(const Settings& s, const LocalTime& now);

}  // namespace kemurina
