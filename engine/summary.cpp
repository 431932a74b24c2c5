#include "engine/summary.h"

#include <cmath>

#include "engine/number_text.h"

namespace kemurina {

namespace {

bool KnownCopyPlusMode(int mode) { return mode >= 0 && mode <= 2; }

long long WholeDays(int minutes) {
  return static_cast<long long>(std::floor(static_cast<double>(minutes) / 1440.0));
}

}  // namespace

std::string_view SizeWord(int cigaretteLength) {
  for (const CigaretteSize& size : kCigaretteSizes) {
    if (size.Millimetres == cigaretteLength) return size.SizeWord;
  }
  return "";
}

std::string ComposeFullSummary(const SummaryInputs& in) {
  const Settings& s = *in.settings;
  const ProgressSnapshot& snap = *in.snapshot;
  if (!KnownCopyPlusMode(s.CopyPlusMode)) return {};

  std::string t;
  t += "ステータス： ";
  t += in.StatusCaption;
  t += "\r\n";

  t += "ケムリナ日： " + Plain(s.QuitYear) + "年 " + Plain(s.QuitMonth) + "月 " + Plain(s.QuitDay);
  switch (s.CopyPlusMode) {
    case 0:
      t += "日";
      break;
    case 1:
      t += "日（" + Plain(s.CigarettesPerDay) + "本-" + Plain(s.PackPrice) + "円-";
      t += SizeWord(s.CigaretteLength);
      t += "）";
      break;
    default:
      t += "日（" + Plain(s.CigarettesPerDay) + "本-" + Plain(s.SmokingYears) + "年）";
      break;
  }
  t += "\r\n";

  t += "ケムリナからの日数： ";
  if (in.DayFormToggle == 0) {
    t += Plain(snap.ElapsedYears) + "年 " + Plain(snap.ElapsedMonths) + "ヶ月 " +
         Plain(snap.ElapsedDays) + "日 ";
  } else {
    t += Plain(WholeDays(snap.ElapsedMinutes)) + "日 ";
  }
  t += Plain(snap.ElapsedHours) + "時間 " + Plain(snap.ElapsedMins) + "分\r\n";

  t += "延びた寿命： " + Plain(WholeDays(snap.LifeMinutes)) + "日と" +
       Plain((snap.LifeMinutes % 1440) / 60) + "時間" + Plain(snap.LifeMinutes % 60) + "分\r\n";

  t += "節約できた金額： ";
  t += in.MoneyCaption;
  t += "\r\n";

  t += "節煙本数： ";
  t += in.CountCaption;
  return t;
}

std::string ComposeShortSummary(const SummaryInputs& in) {
  const Settings& s = *in.settings;
  if (!KnownCopyPlusMode(s.CopyPlusMode)) return {};

  std::string t =
      Wide(s.QuitYear) + "年" + Wide(s.QuitMonth) + "月" + Wide(s.QuitDay) + "日にケムリナ。";
  if (s.CopyPlusMode == 1) {
    t += "それまで１日" + Wide(s.CigarettesPerDay) + "本吸っていました。";
  } else if (s.CopyPlusMode == 2) {
    t += "それまで" + Wide(s.SmokingYears) + "年間" + "１日" + Wide(s.CigarettesPerDay) + "本" +
         "吸っていました。";
  }
  t += in.ElapsedCaption;
  t += "経過しました。";
  t += in.SummarySentence;
  t += "ステータスは";
  t += in.StatusCaption;
  t += "。";
  return t;
}

}  // namespace kemurina
