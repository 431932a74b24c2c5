#include "engine/length.h"

#include "engine/number_text.h"

namespace kemurina {

namespace {

// Beyond this the comparison stops naming objects and celebrates instead.
constexpr double kOverrideAboveMm = 800'000'000.0;
constexpr std::string_view kOverrideName = "成層圏を脱しました！";

// The count, boxes or cartons part of the caption: "20本 ", "1箱 ", "1カートン ".
std::string CountPart(const ProgressSnapshot& snap) {
  if (snap.CartonCount) return Plain(*snap.CartonCount) + "カートン ";
  if (snap.BoxCount) return Plain(*snap.BoxCount) + "箱 ";
  return Plain(snap.CigarettesNotSmoked) + "本 ";
}

}  // namespace

int ChooseLengthRow(double lengthMm) {
  const LengthRow* rows = LengthTableRows();
  // A forward scan that stops at the first longer row, not a search: the
  // table is not fully sorted, and the stored order decides which rows show.
  int i = 2;
  while (i <= kLengthTableRows && lengthMm >= rows[i].LengthMm) {
    ++i;
  }
  return i - 1;
}

LengthComparison CompareLength(const ProgressSnapshot& snap) {
  LengthComparison result;
  const double lengthMm = snap.LengthMillimetres;
  result.Row = ChooseLengthRow(lengthMm);
  result.Name = lengthMm > kOverrideAboveMm ? std::string(kOverrideName)
                                            : std::string(LengthTableRows()[result.Row].Name);

  // Metres keep the plain rendering in both texts: ".17", never "0.17".
  const std::string metres = PlainNumber(snap.LengthMetres);
  result.Caption = CountPart(snap) + metres + "ｍ " + result.Name;
  result.Sentence = "節煙本数は" + Wide(snap.CigarettesNotSmoked) + "本で、これは" +
                    ToWideDigits(metres) + "ｍの" + result.Name + "に匹敵します。";
  return result;
}

}  // namespace kemurina
