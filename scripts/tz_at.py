#!/usr/bin/env python3
"""Prints a POSIX time zone (TZ) in which the local time now is HH:MM, e.g. 23:56."""
import sys
import time

hours, minutes = map(int, (sys.argv[1] if len(sys.argv) > 1 else "23:56").split(":"))
now = time.gmtime()
ahead = (hours * 60 + minutes - now.tm_hour * 60 - now.tm_min) % (24 * 60)
if ahead > 12 * 60:
    ahead -= 24 * 60
# POSIX counts the offset west of UTC: local = UTC + ahead is written with the opposite sign.
sign = "-" if ahead >= 0 else "+"
print(f"XYZ{sign}{abs(ahead) // 60:02d}:{abs(ahead) % 60:02d}")
