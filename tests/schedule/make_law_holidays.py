#!/usr/bin/env python3
"""Writes fixtures/law_holidays.txt: every public holiday of Japan from the
law of 20 July 1948 to 2099 under the law in force on the day, one
"yyyy/mm/dd name" per line.

This is the test's reference, kept apart from the program's holiday writer on
purpose: it decides day by day, and it takes the equinox days from the Sun's
computed position in Japan Standard Time rather than from the usual formula.

    python3 tests/schedule/make_law_holidays.py
"""

import datetime
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
import gen_new_moon_table as astro  # noqa: E402

FIRST, LAST = 1948, 2099
LAW_START = datetime.date(1948, 7, 20)
SUBSTITUTE_START = datetime.date(1973, 4, 12)
BETWEEN_START = datetime.date(1985, 12, 27)
MONDAY, SUNDAY = 0, 6
ONE_DAY = datetime.timedelta(days=1)


def equinox_day(year, month, longitude):
    guess = astro.date_to_jd(datetime.date(year, month, 21))
    jde = astro.solar_term_jde(longitude, guess)
    return astro.jd_to_date(astro.jde_to_jst_jd(jde))


EQUINOXES = {}
for _y in range(FIRST, LAST + 1):
    EQUINOXES[_y] = (equinox_day(_y, 3, 0.0), equinox_day(_y, 9, 180.0))


def nth_monday(d, n):
    return d.weekday() == MONDAY and (d.day - 1) // 7 == n - 1


def national_holiday(d):
    """The name of the national holiday on d, or None (法律第178号 as amended,
    with the special laws for single days)."""
    if d < LAW_START:
        return None
    y, m, day = d.year, d.month, d.day
    special = {
        datetime.date(1959, 4, 10): "皇太子明仁親王の結婚の儀",
        datetime.date(1989, 2, 24): "昭和天皇の大喪の礼",
        datetime.date(1990, 11, 12): "即位礼正殿の儀",
        datetime.date(1993, 6, 9): "皇太子徳仁親王の結婚の儀",
        datetime.date(2019, 5, 1): "即位の日",
        datetime.date(2019, 10, 22): "即位礼正殿の儀",
        datetime.date(2020, 7, 23): "海の日",
        datetime.date(2020, 7, 24): "スポーツの日",
        datetime.date(2020, 8, 10): "山の日",
        datetime.date(2021, 7, 22): "海の日",
        datetime.date(2021, 7, 23): "スポーツの日",
        datetime.date(2021, 8, 8): "山の日",
    }
    if d in special:
        return special[d]
    olympic = y in (2020, 2021)
    if (m, day) == (1, 1):
        return "元日"
    if m == 1 and (day == 15 if y < 2000 else nth_monday(d, 2)):
        return "成人の日"
    if (m, day) == (2, 11) and y >= 1967:
        return "建国記念の日"
    if (m, day) == (2, 23) and y >= 2020:
        return "天皇誕生日"
    if d == EQUINOXES[y][0]:
        return "春分の日"
    if (m, day) == (4, 29):
        if y <= 1988:
            return "天皇誕生日"
        return "みどりの日" if y < 2007 else "昭和の日"
    if (m, day) == (5, 3):
        return "憲法記念日"
    if (m, day) == (5, 4) and y >= 2007:
        return "みどりの日"
    if (m, day) == (5, 5):
        return "こどもの日"
    if m == 7 and y >= 1996 and not olympic and (day == 20 if y < 2003 else nth_monday(d, 3)):
        return "海の日"
    if (m, day) == (8, 11) and y >= 2016 and not olympic:
        return "山の日"
    if m == 9 and y >= 1966 and (day == 15 if y < 2003 else nth_monday(d, 3)):
        return "敬老の日"
    if d == EQUINOXES[y][1]:
        return "秋分の日"
    if m == 10 and y >= 1966 and not olympic and (day == 10 if y < 2000 else nth_monday(d, 2)):
        return "体育の日" if y < 2020 else "スポーツの日"
    if (m, day) == (11, 3):
        return "文化の日"
    if (m, day) == (11, 23):
        return "勤労感謝の日"
    if (m, day) == (12, 23) and 1989 <= y <= 2018:
        return "天皇誕生日"
    return None


def substitute_holiday(d):
    """Article 3(2): before 2007 the day after a Sunday holiday; since, the
    nearest following day that is not a national holiday."""
    if national_holiday(d):
        return False
    if d.year < 2007:
        before = d - ONE_DAY
        return (before >= SUBSTITUTE_START and before.weekday() == SUNDAY
                and national_holiday(before) is not None)
    before = d - ONE_DAY
    while national_holiday(before):
        if before.weekday() == SUNDAY:
            return True
        before -= ONE_DAY
    return False


def day_between(d):
    """Article 3(3): a day whose previous and next days are national holidays
    (before 2007 not a Sunday nor a substitute holiday; since, any day that
    is not a national holiday itself)."""
    if national_holiday(d) or d < BETWEEN_START:
        return False
    if not (national_holiday(d - ONE_DAY) and national_holiday(d + ONE_DAY)):
        return False
    if d.year < 2007:
        return d.weekday() != SUNDAY and not substitute_holiday(d)
    return True


def main():
    out_path = os.path.join(HERE, "fixtures", "law_holidays.txt")
    lines = []
    d = datetime.date(FIRST, 1, 1)
    while d.year <= LAST:
        name = national_holiday(d)
        if name is None and substitute_holiday(d):
            name = "振替休日"
        if name is None and day_between(d):
            name = "国民の休日"
        if name:
            lines.append("%s %s" % (d.strftime("%Y/%m/%d"), name))
        d += ONE_DAY
    os.makedirs(os.path.dirname(out_path), exist_ok=True)
    with open(out_path, "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
