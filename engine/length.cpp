#include "engine/length.h"

#include "engine/number_text.h"

namespace kemurina {

namespace {

// Beyond this the comparison stops naming objects and celebrates instead.
constexpr double kOverrideAboveMm = 800'000'000.0;
constexpr std::string_view kOverrideName = "成層圏を脱しました！";

// The count, boxes or cartons part of the caption: "20本 ", "1箱 ", "1カートン ".
// Boxes and cartons only at exact multiples, and never for a count of zero.
std::string CountPart(const ProgressSnapshot& snap, int showBoxes) {
  const int n = snap.CigarettesNotSmoked;
  const int perBox = snap.PerBox;
  const int perCarton = snap.BoxesPerCarton;
  if (showBoxes == 1 && n != 0 && perBox > 0 && n % perBox == 0) {
    const int boxes = n / perBox;
    if (perCarton > 0 && boxes % perCarton == 0) {
      return Plain(boxes / perCarton) + "カートン ";
    }
    return Plain(boxes) + "箱 ";
  }
  return Plain(n) + "本 ";
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

LengthComparison CompareLength(const ProgressSnapshot& snap, int showBoxes) {
  LengthComparison result;
  const double lengthMm = snap.LengthMillimetres;
  result.Row = ChooseLengthRow(lengthMm);
  result.Name = lengthMm > kOverrideAboveMm ? std::string(kOverrideName)
                                            : std::string(LengthTableRows()[result.Row].Name);

  // Metres keep the plain rendering in both texts: ".17", never "0.17".
  const std::string metres = PlainNumber(snap.LengthMetres);
  result.Caption = CountPart(snap, showBoxes) + metres + "ｍ " + result.Name;
  result.Sentence = "節煙本数は" + Wide(snap.CigarettesNotSmoked) + "本で、これは" +
                    ToWideDigits(metres) + "ｍの" + result.Name + "に匹敵します。";
  return result;
}

}  // namespace kemurina
