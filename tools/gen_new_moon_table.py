#!/usr/bin/env python3
"""Generates core/dates/NewMoonTableData.cpp, the table of lunar month starts.

Each row is one lunar year: "yyyy,LLLLL,m1,...,m12" where m1..m12 are the
days ("MM/DD") on which lunar months 1 to 12 begin and LLLLL is the first
day of the leap month (five blanks when the year has none). A month "13"
means January of the following calendar year.

The lunar calendar is computed from astronomy, in Japan Standard Time:
  * new moons: Meeus, Astronomical Algorithms, chapter 49 (with the
    planetary corrections), accurate to well under a minute;
  * the Sun's apparent longitude: VSOP87 (the truncated Earth series of
    Meeus' appendix), FK5 correction, nutation in longitude and aberration;
  * Delta T: the polynomials of Espenak and Meeus;
  * a lunar month runs from the day of one new moon to the day before the
    next; the month holding the winter solstice is month 11; when thirteen
    months lie between one month 11 and the next, the first of them that
    holds no principal solar term (a multiple of 30 degrees) is the leap
    month and takes the number of the month before it. This puts the leap
    month of 2033 after month 11, as the calendar makers of today settled.

Plain Python 3, no packages. Run from anywhere:
    python3 tools/gen_new_moon_table.py            # writes the C++ file
    python3 tools/gen_new_moon_table.py --report   # prints checks instead
"""

import datetime
import math
import os
import sys

FIRST_YEAR = 1997
LAST_YEAR = 2099
JST_HOURS = 9.0

# --- time -----------------------------------------------------------------

def delta_t_seconds(year):
    """Delta T = TT - UT (Espenak and Meeus polynomials)."""
    if year < 1986:
        t = year - 1975
        return 45.45 + 1.067 * t - t * t / 260 - t ** 3 / 718
    if year < 2005:
        t = year - 2000
        return (63.86 + 0.3345 * t - 0.060374 * t ** 2 + 0.0017275 * t ** 3
                + 0.000651814 * t ** 4 + 0.00002373599 * t ** 5)
    if year < 2050:
        t = year - 2000
        return 62.92 + 0.32217 * t + 0.005589 * t * t
    if year < 2150:
        u = (year - 1820) / 100
        return -20 + 32 * u * u - 0.5628 * (2150 - year)
    u = (year - 1820) / 100
    return -20 + 32 * u * u


J2000 = 2451545.0
ORDINAL_2000 = datetime.date(2000, 1, 1).toordinal()


def jde_to_jst_jd(jde):
    year = 2000 + (jde - J2000) / 365.25
    return jde - delta_t_seconds(year) / 86400.0 + JST_HOURS / 24.0


def jd_to_date(jd):
    """Calendar day on which the instant jd (local time scale) falls."""
    day_number = math.floor(jd + 0.5)
    return datetime.date.fromordinal(day_number - 2451545 + ORDINAL_2000)


def jd_to_datetime(jd):
    d = jd_to_date(jd)
    frac = (jd + 0.5) - math.floor(jd + 0.5)
    return datetime.datetime(d.year, d.month, d.day) + datetime.timedelta(days=frac)


def date_to_jd(d):
    """Julian day of midnight starting the calendar day d."""
    return d.toordinal() - ORDINAL_2000 + 2451544.5

# --- the Sun ----------------------------------------------------------------

# Earth, VSOP87D, as truncated by Meeus (appendix III): A, B, C of A cos(B + C tau).
L0 = [
    (175347046, 0, 0), (3341656, 4.6692568, 6283.07585), (34894, 4.6261, 12566.1517),
    (3497, 2.7441, 5753.3849), (3418, 2.8289, 3.5231), (3136, 3.6277, 77713.7715),
    (2676, 4.4181, 7860.4194), (2343, 6.1352, 3930.2097), (1324, 0.7425, 11506.7698),
    (1273, 2.0371, 529.691), (1199, 1.1096, 1577.3435), (990, 5.233, 5884.927),
    (902, 2.045, 26.298), (857, 3.508, 398.149), (780, 1.179, 5223.694),
    (753, 2.533, 5507.553), (505, 4.583, 18849.228), (492, 4.205, 775.523),
    (357, 2.92, 0.067), (317, 5.849, 11790.629), (284, 1.899, 796.298),
    (271, 0.315, 10977.079), (243, 0.345, 5486.778), (206, 4.806, 2544.314),
    (205, 1.869, 5573.143), (202, 2.458, 6069.777), (156, 0.833, 213.299),
    (132, 3.411, 2942.463), (126, 1.083, 20.775), (115, 0.645, 0.98),
    (103, 0.636, 4694.003), (102, 0.976, 15720.839), (102, 4.267, 7.114),
    (99, 6.21, 2146.17), (98, 0.68, 155.42), (86, 5.98, 161000.69),
    (85, 1.3, 6275.96), (85, 3.67, 71430.7), (80, 1.81, 17260.15),
    (79, 3.04, 12036.46), (75, 1.76, 5088.63), (74, 3.5, 3154.69),
    (74, 4.68, 801.82), (70, 0.83, 9437.76), (62, 3.98, 8827.39),
    (61, 1.82, 7084.9), (57, 2.78, 6286.6), (56, 4.39, 14143.5),
    (56, 3.47, 6279.55), (52, 0.19, 12139.55), (52, 1.33, 1748.02),
    (51, 0.28, 5856.48), (49, 0.49, 1194.45), (41, 5.37, 8429.24),
    (41, 2.4, 19651.05), (39, 6.17, 10447.39), (37, 6.04, 10213.29),
    (37, 2.57, 1059.38), (36, 1.71, 2352.87), (36, 1.78, 6812.77),
    (33, 0.59, 17789.85), (30, 0.44, 83996.85), (30, 2.74, 1349.87),
    (25, 3.16, 4690.48),
]
L1 = [
    (628331966747, 0, 0), (206059, 2.678235, 6283.07585), (4303, 2.6351, 12566.1517),
    (425, 1.59, 3.523), (119, 5.796, 26.298), (109, 2.966, 1577.344),
    (93, 2.59, 18849.23), (72, 1.14, 529.69), (68, 1.87, 398.15),
    (67, 4.41, 5507.55), (59, 2.89, 5223.69), (56, 2.17, 155.42),
    (45, 0.4, 796.3), (36, 0.47, 775.52), (29, 2.65, 7.11),
    (21, 5.34, 0.98), (19, 1.85, 5486.78), (19, 4.97, 213.3),
    (17, 2.99, 6275.96), (16, 0.03, 2544.31), (16, 1.43, 2146.17),
    (15, 1.21, 10977.08), (12, 2.83, 1748.02), (12, 3.26, 5088.63),
    (12, 5.27, 1194.45), (12, 2.08, 4694.0), (11, 0.77, 553.57),
    (10, 1.3, 6286.6), (10, 4.24, 1349.87), (9, 2.7, 242.73),
    (9, 5.64, 951.72), (8, 5.3, 2352.87), (6, 2.65, 9437.76),
    (6, 4.67, 4690.48),
]
L2 = [
    (52919, 0, 0), (8720, 1.0721, 6283.0758), (309, 0.867, 12566.152),
    (27, 0.05, 3.52), (16, 5.19, 26.3), (16, 3.68, 155.42),
    (10, 0.76, 18849.23), (9, 2.06, 77713.77), (7, 0.83, 775.52),
    (5, 4.66, 1577.34), (4, 1.03, 7.11), (4, 3.44, 5573.14),
    (3, 5.14, 796.3), (3, 6.05, 5507.55), (3, 1.19, 242.73),
    (3, 6.12, 529.69), (3, 0.31, 398.15), (3, 2.28, 553.57),
    (2, 4.38, 5223.69), (2, 3.75, 0.98),
]
L3 = [
    (289, 5.844, 6283.076), (35, 0, 0), (17, 5.49, 12566.15),
    (3, 5.2, 155.42), (1, 4.72, 3.52), (1, 5.3, 18849.23),
    (1, 5.97, 242.73),
]
L4 = [(114, 3.142, 0), (8, 4.13, 6283.08), (1, 3.84, 12566.15)]
L5 = [(1, 3.14, 0)]
R0 = [
    (100013989, 0, 0), (1670700, 3.0984635, 6283.07585), (13956, 3.05525, 12566.1517),
    (3084, 5.1985, 77713.7715), (1628, 1.1739, 5753.3849), (1576, 2.8469, 7860.4194),
    (925, 5.453, 11506.77), (542, 4.564, 3930.21), (472, 3.661, 5884.927),
    (346, 0.964, 5507.553), (329, 5.9, 5223.694), (307, 0.299, 5573.143),
    (243, 4.273, 11790.629), (212, 5.847, 1577.344), (186, 5.022, 10977.079),
    (175, 3.012, 18849.228), (110, 5.055, 5486.778), (98, 0.89, 6069.78),
    (86, 5.69, 15720.84), (86, 1.27, 161000.69), (65, 0.27, 17260.15),
    (63, 0.92, 529.69), (57, 2.01, 83996.85), (56, 5.24, 71430.7),
    (49, 3.25, 2544.31), (47, 2.58, 775.52), (45, 5.54, 9437.76),
    (43, 6.01, 6275.96), (39, 5.36, 4694.0), (38, 2.39, 8827.39),
    (37, 0.83, 19651.05), (37, 4.9, 12139.55), (36, 1.67, 12036.46),
    (35, 1.84, 2942.46), (33, 0.24, 7084.9), (32, 0.18, 5088.63),
    (32, 1.78, 398.15), (28, 1.21, 6286.6), (28, 1.9, 6279.55),
    (26, 4.59, 10447.39),
]
R1 = [
    (103019, 1.10749, 6283.07585), (1721, 1.0644, 12566.1517), (702, 3.142, 0),
    (32, 1.02, 18849.23), (31, 2.84, 5507.55), (25, 1.32, 5223.69),
    (18, 1.42, 1577.34), (10, 5.91, 10977.08), (9, 1.42, 6275.96),
    (9, 0.27, 5486.78),
]
R2 = [
    (4359, 5.7846, 6283.0758), (124, 5.579, 12566.152), (12, 3.14, 0),
    (9, 3.63, 77713.77), (6, 1.87, 5573.14), (3, 5.47, 18849.23),
]
R3 = [(145, 4.273, 6283.076), (7, 3.92, 12566.15)]
R4 = [(4, 2.56, 6283.08)]

# Nutation in longitude, the largest terms of the IAU 1980 theory (Meeus
# table 22.A): multipliers of D, M, M', F, Omega; sine coefficient and its
# rate, in 0.0001 arc seconds.
NUTATION = [
    (0, 0, 0, 0, 1, -171996, -174.2), (-2, 0, 0, 2, 2, -13187, -1.6),
    (0, 0, 0, 2, 2, -2274, -0.2), (0, 0, 0, 0, 2, 2062, 0.2),
    (0, 1, 0, 0, 0, 1426, -3.4), (0, 0, 1, 0, 0, 712, 0.1),
    (-2, 1, 0, 2, 2, -517, 1.2), (0, 0, 0, 2, 1, -386, -0.4),
    (0, 0, 1, 2, 2, -301, 0), (-2, -1, 0, 2, 2, 217, -0.5),
    (-2, 0, 1, 0, 0, -158, 0), (-2, 0, 0, 2, 1, 129, 0.1),
    (0, 0, -1, 2, 2, 123, 0), (2, 0, 0, 0, 0, 63, 0),
    (0, 0, 1, 0, 1, 63, 0.1), (2, 0, -1, 2, 2, -59, 0),
    (0, 0, -1, 0, 1, -58, -0.1), (0, 0, 1, 2, 1, -51, 0),
    (-2, 0, 2, 0, 0, 48, 0), (0, 0, -2, 2, 1, 46, 0),
    (2, 0, 0, 2, 2, -38, 0), (0, 0, 2, 2, 2, -31, 0),
    (0, 0, 2, 0, 0, 29, 0), (-2, 0, 1, 2, 2, 29, 0),
    (0, 0, 0, 2, 0, 26, 0), (-2, 0, 0, 2, 0, -22, 0),
]


def series(terms, tau):
    return sum(a * math.cos(b + c * tau) for a, b, c in terms)


def nutation_longitude_arcsec(t):
    d = math.radians(297.85036 + 445267.111480 * t - 0.0019142 * t * t + t ** 3 / 189474)
    m = math.radians(357.52772 + 35999.050340 * t - 0.0001603 * t * t - t ** 3 / 300000)
    mm = math.radians(134.96298 + 477198.867398 * t + 0.0086972 * t * t + t ** 3 / 56250)
    f = math.radians(93.27191 + 483202.017538 * t - 0.0036825 * t * t + t ** 3 / 327270)
    om = math.radians(125.04452 - 1934.136261 * t + 0.0020708 * t * t + t ** 3 / 450000)
    total = 0.0
    for cd, cm, cmm, cf, co, s0, s1 in NUTATION:
        total += (s0 + s1 * t) * math.sin(cd * d + cm * m + cmm * mm + cf * f + co * om)
    return total * 0.0001


def sun_apparent_longitude(jde):
    """Apparent geocentric ecliptic longitude of the Sun, degrees 0..360."""
    tau = (jde - J2000) / 365250.0
    lon = (series(L0, tau) + series(L1, tau) * tau + series(L2, tau) * tau ** 2
           + series(L3, tau) * tau ** 3 + series(L4, tau) * tau ** 4
           + series(L5, tau) * tau ** 5) / 1e8
    r = (series(R0, tau) + series(R1, tau) * tau + series(R2, tau) * tau ** 2
         + series(R3, tau) * tau ** 3 + series(R4, tau) * tau ** 4) / 1e8
    theta = math.degrees(lon) + 180.0
    t = tau * 10
    theta += (-0.09033 + nutation_longitude_arcsec(t) - 20.4898 / r) / 3600.0
    return theta % 360.0


def solar_term_jde(target, guess_jde):
    """Instant (TT) near guess_jde at which the Sun's longitude is target."""
    jde = guess_jde
    for _ in range(20):
        diff = (target - sun_apparent_longitude(jde) + 180.0) % 360.0 - 180.0
        jde += diff * 365.2422 / 360.0
        if abs(diff) < 1e-8:
            break
    return jde


def principal_terms(first_jde, last_jde):
    """(JDE, longitude) of every principal term between the two instants."""
    out = []
    lon = sun_apparent_longitude(first_jde)
    target = (math.floor(lon / 30.0) + 1) * 30.0 % 360.0
    jde = first_jde + ((target - lon) % 360.0) * 365.2422 / 360.0
    while True:
        jde = solar_term_jde(target, jde)
        if jde > last_jde:
            return out
        out.append((jde, target))
        target = (target + 30.0) % 360.0
        jde += 30.4

# --- the Moon ---------------------------------------------------------------

def new_moon_jde(k):
    """Instant (TT) of the new moon of lunation k (k = 0 near 2000-01-06)."""
    t = k / 1236.85
    jde = (2451550.09766 + 29.530588861 * k + 0.00015437 * t ** 2
           - 0.000000150 * t ** 3 + 0.00000000073 * t ** 4)
    e = 1 - 0.002516 * t - 0.0000074 * t * t
    m = math.radians(2.5534 + 29.10535670 * k - 0.0000014 * t ** 2 - 0.00000011 * t ** 3)
    mp = math.radians(201.5643 + 385.81693528 * k + 0.0107582 * t ** 2
                      + 0.00001238 * t ** 3 - 0.000000058 * t ** 4)
    f = math.radians(160.7108 + 390.67050284 * k - 0.0016118 * t ** 2
                     - 0.00000227 * t ** 3 + 0.000000011 * t ** 4)
    om = math.radians(124.7746 - 1.56375588 * k + 0.0020672 * t ** 2 + 0.00000215 * t ** 3)
    s = math.sin
    corr = (-0.40720 * s(mp) + 0.17241 * e * s(m) + 0.01608 * s(2 * mp)
            + 0.01039 * s(2 * f) + 0.00739 * e * s(mp - m) - 0.00514 * e * s(mp + m)
            + 0.00208 * e * e * s(2 * m) - 0.00111 * s(mp - 2 * f)
            - 0.00057 * s(mp + 2 * f) + 0.00056 * e * s(2 * mp + m)
            - 0.00042 * s(3 * mp) + 0.00042 * e * s(m + 2 * f)
            + 0.00038 * e * s(m - 2 * f) - 0.00024 * e * s(2 * mp - m)
            - 0.00017 * s(om) - 0.00007 * s(mp + 2 * m)
            + 0.00004 * s(2 * mp - 2 * f) + 0.00004 * s(3 * m)
            + 0.00003 * s(mp + m - 2 * f) + 0.00003 * s(2 * mp + 2 * f)
            - 0.00003 * s(mp + m + 2 * f) + 0.00003 * s(mp - m + 2 * f)
            - 0.00002 * s(mp - m - 2 * f) - 0.00002 * s(3 * mp + m)
            + 0.00002 * s(4 * mp))
    planetary = [
        (0.000325, 299.77, 0.107408, -0.009173), (0.000165, 251.88, 0.016321, 0),
        (0.000164, 251.83, 26.651886, 0), (0.000126, 349.42, 36.412478, 0),
        (0.000110, 84.66, 18.206239, 0), (0.000062, 141.74, 53.303771, 0),
        (0.000060, 207.14, 2.453732, 0), (0.000056, 154.84, 7.306860, 0),
        (0.000047, 34.52, 27.261239, 0), (0.000042, 207.19, 0.121824, 0),
        (0.000040, 291.34, 1.844379, 0), (0.000037, 161.72, 24.198154, 0),
        (0.000035, 239.56, 25.513099, 0), (0.000023, 331.55, 3.592518, 0),
    ]
    for coef, a0, a1, a2 in planetary:
        corr += coef * math.sin(math.radians(a0 + a1 * k + a2 * t * t))
    return jde + corr

# --- the lunisolar calendar ---------------------------------------------------

class Month:
    def __init__(self, start, end, start_jde):
        self.start = start          # first day (JST)
        self.end = end              # first day of the next month
        self.start_jde = start_jde
        self.terms = []             # principal-term longitudes inside the month
        self.number = 0
        self.leap = False
        self.year = 0               # lunar year the month belongs to


def build_months(first_year, last_year):
    k_first = math.floor((first_year - 1 - 2000) * 12.3685) - 2
    k_last = math.ceil((last_year + 2 - 2000) * 12.3685) + 2
    moons = [new_moon_jde(k) for k in range(k_first, k_last + 1)]
    months = []
    for a, b in zip(moons, moons[1:]):
        months.append(Month(jd_to_date(jde_to_jst_jd(a)), jd_to_date(jde_to_jst_jd(b)), a))
    for jde, lon in principal_terms(moons[0], moons[-1]):
        day = jd_to_date(jde_to_jst_jd(jde))
        for m in months:
            if m.start <= day < m.end:
                m.terms.append(lon)
    return months, moons


def number_months(months):
    """Numbers the months from one winter-solstice month to the next."""
    elevens = [i for i, m in enumerate(months) if 270.0 in m.terms]
    for a, b in zip(elevens, elevens[1:]):
        span = months[a:b]
        leap_index = None
        if len(span) == 13:
            leap_index = next(i for i, m in enumerate(span) if i > 0 and not m.terms)
        number = 11
        for i, m in enumerate(span):
            if i == leap_index:
                m.leap = True
                m.number = number
                continue
            if i > 0:
                number = number % 12 + 1
            m.number = number
    # The lunar year of a month: the calendar year of its month 1.
    year = None
    for m in months:
        if m.number == 0:
            continue
        if m.number == 1 and not m.leap:
            year = m.start.year
        m.year = year if year is not None else 0
    return [m for m in months if m.number and m.year]


def field(day, year):
    month = day.month + 12 * (day.year - year)
    return "%02d/%02d" % (month, day.day)


def table_rows(months, first_year, last_year):
    rows = []
    for year in range(first_year, last_year + 1):
        mine = [m for m in months if m.year == year]
        plain = [m for m in mine if not m.leap]
        leap = [m for m in mine if m.leap]
        assert [m.number for m in plain] == list(range(1, 13)), year
        assert len(leap) <= 1, year
        leap_text = "     "
        if leap:
            leap_text = field(leap[0].start, year)
            # The lookup takes the number of a leap month from the calendar
            # month in which it starts; make sure that always holds.
            assert int(leap_text[:2]) == leap[0].number + 1, (year, leap_text)
        rows.append("%04d,%s,%s" % (year, leap_text,
                                    ",".join(field(m.start, year) for m in plain)))
    return rows


def near_midnight(moons, minutes):
    out = []
    for jde in moons:
        local = jd_to_datetime(jde_to_jst_jd(jde))
        seconds = local.hour * 3600 + local.minute * 60 + local.second
        if min(seconds, 86400 - seconds) < minutes * 60:
            out.append(local)
    return out


CPP_HEAD = """\
// Generated by tools/gen_new_moon_table.py; do not edit by hand.
// One row per lunar year: the year, the first day of its leap month (blank
// when it has none) and the first days of months 1 to 12 ("13/dd" is January
// of the next calendar year), computed in Japan Standard Time.
#include "NewMoonTable.h"

const char* const NewMoonTable[] = {
"""


def write_cpp(rows, path):
    with open(path, "w", encoding="ascii", newline="\n") as out:
        out.write(CPP_HEAD)
        for row in rows:
            out.write('    "%s",\n' % row)
        out.write("};\n\n")
        out.write("const int NewMoonTableFirstYear = %d;\n" % FIRST_YEAR)
        out.write("const int NewMoonTableRows = %d;\n" % len(rows))


def main():
    months, moons = build_months(FIRST_YEAR, LAST_YEAR)
    months = number_months(months)
    rows = table_rows(months, FIRST_YEAR, LAST_YEAR)
    if "--report" in sys.argv:
        for row in rows:
            print(row)
        print("new moons within 10 minutes of midnight JST:")
        for local in near_midnight(moons, 10):
            print("  ", local.strftime("%Y-%m-%d %H:%M:%S"))
        return
    here = os.path.dirname(os.path.abspath(__file__))
    write_cpp(rows, os.path.join(here, "..", "core", "dates", "NewMoonTableData.cpp"))


if __name__ == "__main__":
    main()
