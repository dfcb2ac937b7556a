#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
"""Writes the lunar month of every day from 1 January 1901 to 31 December 2099 as
liblunar-date (a C library built on the Hong Kong Observatory's conversion tables, reached
through GObject introspection) gives it, one line a day: YYYY-MM-DD MONTH LEAP DAY, where
LEAP is 1 inside a leap month. The engine's tests compare the program's calendar with it.

This library is independent of python3-lunardate, from which the program's table is
generated. Usage: write_lunar_oracle.py OUTPUT_FILE
"""
import datetime
import os
import sys
import warnings

os.environ["LC_ALL"] = "C"  # the library's formatted output follows the locale
try:
    import gi

    gi.require_version("LunarDate", "3.0")
    from gi.repository import LunarDate
except (ImportError, ValueError) as error:
    sys.exit("write_lunar_oracle.py: needs python3-gi and gir1.2-lunardate-3.0 (%s)" % error)

warnings.simplefilter("ignore", DeprecationWarning)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: write_lunar_oracle.py OUTPUT_FILE")
    lunar = LunarDate.Date.new()
    day = datetime.date(1901, 1, 1)
    end = datetime.date(2099, 12, 31)
    lines = []
    while day <= end:
        lunar.set_solar_date(day.year, day.month, day.day, 12)
        month, lunar_day = lunar.strftime("%(yue) %(ri)").split()
        leap = month.startswith("*")
        lines.append("%s %d %d %s\n" % (day.isoformat(), int(month.lstrip("*")), leap, lunar_day))
        day += datetime.timedelta(days=1)
    temporary = sys.argv[1] + ".part"
    with open(temporary, "w", encoding="ascii") as out:
        out.writelines(lines)
    os.replace(temporary, sys.argv[1])


if __name__ == "__main__":
    main()
