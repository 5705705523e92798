#!/usr/bin/env python3
"""Writes route.csv: a clockwise loop around the block between Central Park South, Fifth Avenue,
West 57th Street and Avenue of the Americas in Midtown Manhattan, New York City.

The corner positions are hand-placed from general knowledge of Manhattan's street grid (avenues run
29 degrees east of true north; about 80 m from one street to the next, about 275 m from Fifth Avenue
to Avenue of the Americas); straight runs and rounded corners are then densified by interpolation.
Usage: tools/demo/make_route.py > tools/demo/route.csv
"""
import math

LAT0, LON0 = 40.7644, -73.9732  # Fifth Avenue at Central Park South (59th Street)
M_PER_DEG_LAT = 111049.4
M_PER_DEG_LON = 84436.0
STEP = 3.5  # metres between points on straight runs
RADIUS = 10.0  # corner radius in metres
ARC_STEPS = 8

GRID = math.radians(29.0)
UP = (math.sin(GRID), math.cos(GRID))  # uptown along the avenues (east, north)
EAST = (math.cos(GRID), -math.sin(GRID))  # crosstown towards the East Side


def add(p, v, k=1.0):
    return (p[0] + v[0] * k, p[1] + v[1] * k)


def neg(v):
    return (-v[0], -v[1])


B = (0.0, 0.0)              # Fifth Avenue / Central Park South
C = add(B, UP, -161.0)      # Fifth Avenue / West 57th Street
A = add(B, EAST, -275.0)    # Avenue of the Americas / Central Park South
D = add(A, UP, -161.0)      # Avenue of the Americas / West 57th Street
S = add(A, EAST, 40.0)      # start and end: Central Park South, east of Avenue of the Americas

points = []  # (x, y, street)


def straight(p, q, street, include_end=False):
    length = math.dist(p, q)
    n = max(1, math.ceil(length / STEP))
    for i in range(n + (1 if include_end else 0)):
        t = i / n
        points.append((p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t, street))


def corner(p, d_in, d_out, street):
    """Right turn at corner p from direction d_in into d_out; returns the point where the arc ends."""
    centre = add(add(p, d_in, -RADIUS), d_out, RADIUS)
    for i in range(ARC_STEPS):
        phi = (math.pi / 2) * i / ARC_STEPS
        q = add(add(centre, d_out, -RADIUS * math.cos(phi)), d_in, RADIUS * math.sin(phi))
        points.append((q[0], q[1], street))
    return add(p, d_out, RADIUS)


legs = [  # corner, incoming direction, outgoing direction, street of the run before, street turned into
    (B, EAST, neg(UP), "Central Park South", "Fifth Avenue"),
    (C, neg(UP), neg(EAST), "Fifth Avenue", "West 57th Street"),
    (D, neg(EAST), UP, "West 57th Street", "Avenue of the Americas"),
    (A, UP, EAST, "Avenue of the Americas", "Central Park South"),
]
at = S
for p, d_in, d_out, before, after in legs:
    straight(at, add(p, d_in, -RADIUS), before)
    at = corner(p, d_in, d_out, after)
straight(at, S, "Central Park South", include_end=True)

print("latitude,longitude,street")
for x, y, street in points:
    print(f"{LAT0 + y / M_PER_DEG_LAT:.7f},{LON0 + x / M_PER_DEG_LON:.7f},{street}")
