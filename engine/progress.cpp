#include "engine/progress.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace kemurina {

namespace {

// Table lookups never leave the table, whatever the clock or the files say.
int TableAt(const MonthTable& t, long long index) {
  return t[static_cast<std::size_t>(std::clamp<long long>(index, 0, 12))];
}

int ClampMonth(int month) { return std::clamp(month, 1, 12); }

void SetFebruary(MonthTable& t, int year) { t[2] = FebruaryDays(year); }

long long MonthsOfYear(const MonthTable& t, long long year, int from, int to) {
  long long days = 0;
  for (int m = from; m <= to; ++m) {
    days += m == 2 ? FebruaryDays(static_cast<int>(year)) : t[static_cast<std::size_t>(m)];
  }
  return days;
}

// The days of every month strictly between (fromYear, fromMonth) and
// (toYear, toMonth), as the month-by-month walk adds them. Whole years are
// summed at once so that no clock value can make this loop for ages.
long long WholeMonthsBetween(int fromYear, int fromMonth, int toYear, int toMonth,
                             const MonthTable& t) {
  long long firstYear = fromYear;
  int firstMonth = fromMonth + 1;
  if (firstMonth > 12) {
    firstMonth = 1;
    ++firstYear;
  }
  long long lastYear = toYear;
  int lastMonth = toMonth - 1;
  if (lastMonth < 1) {
    lastMonth = 12;
    --lastYear;
  }
  if (firstYear > lastYear || (firstYear == lastYear && firstMonth > lastMonth)) {
    return 0;
  }

  long long days = 0;
  if (firstYear == lastYear) {
    days = MonthsOfYear(t, firstYear, firstMonth, lastMonth);
  } else {
    days = MonthsOfYear(t, firstYear, firstMonth, 12) + MonthsOfYear(t, lastYear, 1, lastMonth);
    const long long wholeYears = lastYear - firstYear - 1;
    if (wholeYears > 0) {
      long long otherMonths = 0;
      for (int m = 1; m <= 12; ++m) {
        otherMonths += m == 2 ? 28 : t[static_cast<std::size_t>(m)];
      }
      days += wholeYears * otherMonths + LeapYearsUpTo(lastYear - 1) - LeapYearsUpTo(firstYear);
    }
  }
  return days;
}

// The walk proper; a lies in the same month as b or earlier.
long long WalkForward(const LocalTime& a, const LocalTime& b, MonthTable& t) {
  const int aMonth = ClampMonth(a.Month);
  const int bMonth = ClampMonth(b.Month);
  if (aMonth == 2) {
    SetFebruary(t, a.Year);
  }
  const long long dim = t[static_cast<std::size_t>(aMonth)];

  // From the quit moment to the end of its day.
  long long days = dim - (a.Day + 1LL);
  long long mins = (24 - (a.Hour + 1LL)) * 60 + (60LL - a.Minute);
  if (a.Year == b.Year && aMonth == bMonth) {
    // Take back what lies beyond b in the same month; mins may go negative,
    // only the total counts.
    days -= dim - (b.Day + 1LL);
    mins -= (24 - (b.Hour + 1LL)) * 60 + (60LL - b.Minute);
  } else {
    days += b.Day;
    mins += b.Hour * 60LL + b.Minute;
  }
  days += WholeMonthsBetween(a.Year, aMonth, b.Year, bMonth, t);
  return days * 1440 + mins;
}

int SaturateInt(long long v, long long lo = INT_MIN) {
  return static_cast<int>(std::clamp<long long>(v, lo, INT_MAX));
}

// floor() into an int; a value beyond the range sticks at its end.
int FloorToInt(double v) {
  if (std::isnan(v)) {
    return 0;
  }
  const double f = std::floor(v);
  if (f <= static_cast<double>(INT_MIN)) {
    return INT_MIN;
  }
  if (f >= static_cast<double>(INT_MAX)) {
    return INT_MAX;
  }
  return static_cast<int>(f);
}

// Two decimals, a half going to the even neighbour. Done on the value scaled
// by 100 so that the outcome does not hang on the floating-point rounding mode.
double RoundHalfEven2(double x) {
  const double scaled = x * 100;
  const double below = std::floor(scaled);
  const double rest = scaled - below;
  double whole = below;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0)) {
    whole = below + 1;
  }
  return whole / 100;
}

void Breakdown(const LocalTime& quit, const LocalTime& now, ProgressSnapshot& snap) {
  MonthTable a = kMonthDays;
  SetFebruary(a, now.Year);
  MonthTable b = kMonthDays;
  SetFebruary(b, quit.Year);

  // Subtraction with borrows, field by field. 64 bits so that no clock value
  // can overflow a borrow.
  long long year = now.Year, month = now.Month, day = now.Day, hour = now.Hour;
  const long long minute = now.Minute;
  long long mins = 0, hours = 0, days = 0, months = 0;

  if (minute >= quit.Minute) {
    mins = minute - quit.Minute;
  } else {
    mins = minute + 60 - quit.Minute;
    --hour;
  }
  if (hour >= quit.Hour) {
    hours = hour - quit.Hour;
  } else {
    hours = hour + 24 - quit.Hour;
    --day;
  }
  if (day >= quit.Day) {
    days = day - quit.Day;
  } else {
    // Borrow the longer of the month before now's month and the quit month,
    // so that a month-end quit moment never yields a negative day count.
    const long long borrowed = std::max(TableAt(a, month - 1), TableAt(b, quit.Month));
    days = borrowed + day - quit.Day;
    --month;
  }
  if (month >= quit.Month) {
    months = month - quit.Month;
  } else {
    months = month + 12 - quit.Month;
    --year;
  }

  snap.ElapsedYears = SaturateInt(year - quit.Year, 0);
  snap.ElapsedMonths = SaturateInt(months, 0);
  snap.ElapsedDays = SaturateInt(days, 0);
  snap.ElapsedHours = SaturateInt(hours, 0);
  snap.ElapsedMins = SaturateInt(mins, 0);
}

void Money(const Settings& s, ProgressSnapshot& snap) {
  // Left to right in doubles, then floor: the order of the operations decides
  // the last digit (13 a day over two days gives 142 minutes of life, not 143).
  const double m = snap.ElapsedMinutes;
  const double c = s.CigarettesPerDay;
  const double p = s.PackPrice;
  const double t = s.TobaccoTaxPer1000;
  const double r = s.ConsumptionTaxPercent;

  snap.MoneySaved = std::floor(m / 1440 * c * (p / 20));
  snap.TobaccoTaxSaved = std::floor(t / 1000 * (m / 1440) * c);
  // The tax contained in a tax-inclusive price. A rate of -100 % would divide
  // by zero; there is no tax in that price to speak of.
  const double divisor = r / 100 + 1;
  snap.ConsumptionTaxSaved =
      divisor == 0 ? 0.0 : std::floor(m / 1440 * c * (p / 20) * (r / 100) / divisor);
  snap.LifeMinutes = FloorToInt(c / 1440 * m * 5.5);
}

void Cigarettes(const Settings& s, ProgressSnapshot& snap) {
  const double m = snap.ElapsedMinutes;
  const double c = s.CigarettesPerDay;
  const double length = s.CigaretteLength;

  snap.CigarettesNotSmoked = FloorToInt(m / 1440 * c);
  snap.LengthMillimetres = m / 1440 * length * c;
  snap.LengthMetres = RoundHalfEven2(snap.LengthMillimetres / 1000);

  if (s.CigaretteLength == 50) {
    snap.PerBox = 10;
    snap.BoxesPerCarton = 20;
  } else {
    snap.PerBox = 20;
    snap.BoxesPerCarton = 10;
  }

  // Whole boxes or cartons only, never with a remainder and never for zero;
  // a carton replaces the box count.
  const int n = snap.CigarettesNotSmoked;
  if (s.ShowBoxes == 1 && n != 0 && n % snap.PerBox == 0) {
    const int boxes = n / snap.PerBox;
    if (boxes % snap.BoxesPerCarton == 0) {
      snap.CartonCount = boxes / snap.BoxesPerCarton;
    } else {
      snap.BoxCount = boxes;
    }
  }
}

void LungAndCharacters(ProgressSnapshot& snap) {
  const long long d = snap.ElapsedWholeDays;

  const long long raw = d * 10 + 5;
  const long long red = std::min(raw, 255LL);
  const long long pale = raw >= 256 ? std::min(raw - 255, 140LL) : 0;
  snap.LungColour = static_cast<int>(red + 256 * pale + 65536 * pale);

  // A new character every 11 days; the bar counts 3 a day towards the next
  // one and is hidden once the third has arrived.
  snap.CharacterStage = static_cast<int>(std::min(d / 11, 6LL));
  snap.ProgressValue = snap.CharacterStage < 3 ? static_cast<int>(d % 11) * 3 : 0;
  snap.ProgressVisible = d < 33;
}

}  // namespace

long long ComputeElapsedMinutes(const LocalTime& a, const LocalTime& b, MonthTable& t) {
  // Walked forward from a month after b, the routine would count the days of
  // a's month as if b lay ahead; walk from b instead and turn the sign.
  const bool bInEarlierMonth =
      b.Year < a.Year || (b.Year == a.Year && ClampMonth(b.Month) < ClampMonth(a.Month));
  return bInEarlierMonth ? -WalkForward(b, a, t) : WalkForward(a, b, t);
}

ProgressSnapshot ComputeSnapshot(const Settings& s, const LocalTime& now) {
  ProgressSnapshot snap;
  snap.Now = now;

  // With the clock set back before the quit moment, time stands still at the
  // quit moment: day 0 everywhere rather than negative money and a lung
  // colour below black.
  const LocalTime quit = s.QuitDate();
  const LocalTime until = std::max(now, quit);

  MonthTable a = kMonthDays;
  const long long minutes = ComputeElapsedMinutes(quit, until, a);
  snap.ElapsedMinutes = SaturateInt(minutes, 0);
  Breakdown(quit, until, snap);
  snap.ElapsedWholeDays = snap.ElapsedMinutes / 1440;

  Money(s, snap);
  Cigarettes(s, snap);
  LungAndCharacters(snap);
  return snap;
}

}  // namespace kemurina
