#include "engine/refresh.h"

#include "engine/length.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/ranks.h"
#include "engine/summary.h"

namespace kemurina {

namespace {

// By CharacterStage: a duck every 11 days, and from the third on the ducks of
// the stage sit where the progress bar was.
constexpr StagePictures kStagePictures[7] = {
    {{}, 0, false},       {{0}, 1, false},      {{0, 2}, 2, false},   {{0, 1, 2}, 3, true},
    {{2, 3, 1}, 3, true}, {{3, 5, 1}, 3, true}, {{3, 4, 5}, 3, true},
};

}  // namespace

std::string CalendarForm(const ProgressSnapshot& snap) {
  return Wide(snap.ElapsedYears) + "年" + Wide(snap.ElapsedMonths) + "ヶ月" +
         Wide(snap.ElapsedDays) + "日" + Wide(snap.ElapsedHours) + "時間" + Wide(snap.ElapsedMins) +
         "分";
}

std::string DayForm(const ProgressSnapshot& snap) {
  return Wide(snap.ElapsedMinutes / 1440) + "日" + Wide(snap.ElapsedHours) + "時間" +
         Wide(snap.ElapsedMins) + "分";
}

SummaryInputs SummaryInputsFor(const Settings& s, const ProgressSnapshot& snap, int dayFormToggle) {
  return {.settings = &s, .snapshot = &snap, .DayFormToggle = dayFormToggle};
}

RefreshResult ComputeRefresh(const Settings& s, const LocalTime& now, int luck, int dayFormToggle) {
  RefreshResult r;
  ProgressSnapshot& snap = r.Snapshot;
  snap = ComputeSnapshot(s, now);
  r.Pictures = kStagePictures[snap.CharacterStage];

  r.Label2[0] = CalendarForm(snap);

  // The money figure has no blank before it; the tax part keeps FormatStr's.
  r.Label2[2] = PlainNumber(snap.MoneySaved) + "円（節税分" +
                FormatStr(snap.TobaccoTaxSaved + snap.ConsumptionTaxSaved) + "円）";
  r.SummarySentence =
      "節約できた金額は" + Wide(static_cast<long long>(snap.MoneySaved)) + "円です。";

  const int life = snap.LifeMinutes;
  r.Label2[1] =
      Wide(life / 1440) + "日と" + Wide((life % 1440) / 60) + "時間" + Wide(life % 60) + "分";

  LengthComparison length = CompareLength(snap);
  r.Label2[4] = length.Caption;
  r.SummarySentence += length.Sentence;

  r.MessageIndex =
      ChooseMessageIndex(snap.ElapsedWholeDays, snap.ElapsedYears, snap.ElapsedMonths, luck);
  r.Label2[5] = std::string(MessageText(r.MessageIndex));

  r.Label2[3] = std::string(StatusRank(s.StatusModeName, snap.ElapsedWholeDays, snap.ElapsedYears));

  SummaryInputs in = SummaryInputsFor(s, snap, dayFormToggle);
  in.MoneyCaption = r.Label2[2];
  in.StatusCaption = r.Label2[3];
  in.CountCaption = r.Label2[4];
  r.SummaryText = ComposeFullSummary(in);
  return r;
}

}  // namespace kemurina
