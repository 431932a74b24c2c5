"""The figures and the two clipboard summaries for a given quit moment and
clock, worked out here on their own (not by the program's code), so that the
end-to-end runs compare the program against an independent reckoning. The
rank and the comparison name are looked up by hand and passed in."""

import calendar
import math
from datetime import datetime

WIDE = str.maketrans("0123456789.-", "０１２３４５６７８９．－")


def wide(value):
    return str(value).translate(WIDE)


def plain_real(x):
    """A real as the program writes it: up to 15 significant digits, no zero
    before the point below 1, no leading blank."""
    text = "%.15g" % x
    if "e" in text:
        raise ValueError("not needed here")
    if text.startswith("0."):
        text = text[1:]
    elif text.startswith("-0."):
        text = "-" + text[2:]
    return text


def month_days(year):
    return [31] + [calendar.monthrange(year, m)[1] for m in range(1, 13)]


def breakdown(quit, now):
    """Years, months, days, hours and minutes by borrowing, as the main window
    shows them: a short month borrows the longer of the two month lengths."""
    a, b = month_days(now.year), month_days(quit.year)
    year, month, day, hour = now.year, now.month, now.day, now.hour
    if now.minute >= quit.minute:
        mins = now.minute - quit.minute
    else:
        mins, hour = now.minute + 60 - quit.minute, hour - 1
    if hour >= quit.hour:
        hours = hour - quit.hour
    else:
        hours, day = hour + 24 - quit.hour, day - 1
    if day >= quit.day:
        days = day - quit.day
    else:
        days, month = max(a[month - 1], b[quit.month]) + day - quit.day, month - 1
    if month >= quit.month:
        months = month - quit.month
    else:
        months, year = month + 12 - quit.month, year - 1
    return year - quit.year, months, days, hours, mins


def summaries(quit, now, *, per_day=20, price=300, length=85, tobacco=12244, consumption=5,
              copy_plus=0, smoking_years=5, show_boxes=1, rank, name):
    """(full, short) clipboard texts, as UTF-8 bytes."""
    minutes = int((now - quit).total_seconds() // 60)
    m, c, p, t, r = float(minutes), float(per_day), float(price), float(tobacco), float(consumption)
    money = math.floor((m / 1440) * c * (p / 20))
    tobacco_tax = math.floor((t / 1000) * (m / 1440) * c)
    consumption_tax = math.floor(((m / 1440) * c * (p / 20) * (r / 100)) / (r / 100 + 1))
    life = math.floor((c / 1440) * m * 5.5)
    count = math.floor((m / 1440) * c)
    metres = round(((m / 1440) * length * c) / 1000, 2)

    years, months, days, hours, mins = breakdown(quit, now)
    per_box, per_carton = (10, 20) if length == 50 else (20, 10)
    count_text = f"{count}本"
    if show_boxes == 1 and count and count % per_box == 0:
        boxes = count // per_box
        count_text = f"{boxes}箱"
        if boxes % per_carton == 0:
            count_text = f"{boxes // per_carton}カートン"
    count_caption = f"{count_text} {plain_real(metres)}ｍ {name}"
    money_caption = f"{money}円（節税分 {tobacco_tax + consumption_tax}円）"
    size_word = {50: "小", 85: "中", 100: "大"}.get(length, "")

    plus = {0: "日",
            1: f"日（{per_day}本-{price}円-{size_word}）",
            2: f"日（{per_day}本-{smoking_years}年）"}[copy_plus]
    full = "\r\n".join([
        f"ステータス： {rank}",
        f"ケムリナ日： {quit.year}年 {quit.month}月 {quit.day}{plus}",
        f"ケムリナからの日数： {years}年 {months}ヶ月 {days}日 {hours}時間 {mins}分",
        f"延びた寿命： {life // 1440}日と{life % 1440 // 60}時間{life % 60}分",
        f"節約できた金額： {money_caption}",
        f"節煙本数： {count_caption}",
    ])

    before = {0: "",
              1: f"それまで１日{wide(per_day)}本吸っていました。",
              2: f"それまで{wide(smoking_years)}年間１日{wide(per_day)}本吸っていました。"}[copy_plus]
    elapsed = f"{wide(years)}年{wide(months)}ヶ月{wide(days)}日{wide(hours)}時間{wide(mins)}分"
    short = (f"{wide(quit.year)}年{wide(quit.month)}月{wide(quit.day)}日にケムリナ。{before}"
             f"{elapsed}経過しました。節約できた金額は{wide(money)}円です。"
             f"節煙本数は{wide(count)}本で、これは{plain_real(metres).translate(WIDE)}ｍの{name}"
             f"に匹敵します。ステータスは{rank}。")
    return full.encode(), short.encode()


def at(text):
    return datetime.strptime(text, "%Y-%m-%d %H:%M")
