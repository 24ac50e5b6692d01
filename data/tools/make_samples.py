#!/usr/bin/env python3
"""Writes the schemes (map.txt) of the sample passports in data/Data.

    python3 data/tools/make_samples.py [DATA_DIR]

The output is deterministic: running the script again gives the same bytes,
so the schemes can be reviewed as code and regenerated after a change. The
files are Windows-1251 with CR LF line ends, in the record layouts the
scheme reader expects, grouped by layer (1 to 12) and within a layer in the
order the items are added here, which is the order the program itself
writes them in.

World units: one unit is 0.1 m at a real scale of 1.0 (svo1, svo3); svo2
has a real scale of 1.5, so there a unit is 1/15 m. Offsets of hanging
items (sticks, heads, signs, labels) are in symbol units, i.e. screen pixels
at a sign scale of 100 %.
"""
import math
import os
import sys

# Layer of every type code, in the program's own table.
LAYER = {
    21: 1, 5: 2, 23: 3, 24: 3, 25: 3, 26: 3, 27: 3, 1: 4, 3: 4, 18: 4, 19: 4, 20: 4,
    2: 5, 6: 6, 16: 7, 8: 8, 28: 8, 17: 9, 30: 9, 7: 10,
    13: 11, 14: 11, 15: 11, 22: 11, 31: 11, 32: 11, 34: 11, 35: 11,
    10: 12, 11: 12, 12: 12,
}

# Sign kinds of the sign catalogue and the type code that draws each.
SIGN_CODE = {1: 13, 2: 13, 3: 13, 5: 13, 4: 14, 8: 14, 6: 15, 7: 22,
             9: 32, 10: 32, 11: 32, 12: 32, 13: 32, 14: 32, 15: 32,
             16: 31, 17: 34, 18: 35}

# Cable types.
POWER, CONTROL, COMM, AIR_POWER, AIR_CONTROL, AIR_COMM = range(6)
# Lane line kinds.
SOLID, LONG_DASH, SHORT_DASH, DOUBLE = range(4)
# Lane arrow kinds (marking) and head arrow kinds.
M_STRAIGHT, M_LEFT, M_RIGHT, M_STRAIGHT_LEFT, M_STRAIGHT_RIGHT = range(5)
H_NONE, H_STRAIGHT, H_LEFT, H_LEFT_STRAIGHT, H_RIGHT, H_RIGHT_STRAIGHT = range(6)
# Cabinet kinds.
CONTROLLER, PHONE_BOX, POWER_BOARD = range(3)


def fc(x):
    """A coordinate as the program writes it: 5 decimals, no trailing zeros."""
    s = "%12.5f" % x
    s = s.strip().rstrip("0")
    if s.endswith("."):
        s = s[:-1]
    if s in ("", "-", "-0"):
        s = "0"
    return s


def pair(p):
    return "%s %s" % (fc(p[0]), fc(p[1]))


def add(p, q):
    return (p[0] + q[0], p[1] + q[1])


def scale(p, k):
    return (p[0] * k, p[1] * k)


def polar(c, r, deg):
    """The point of a circle at an angle measured clockwise on the screen."""
    a = math.radians(deg)
    return (round(c[0] + r * math.cos(a), 3), round(c[1] + r * math.sin(a), 3))


class Label:
    """A label of an item: its text starts at `base` (symbol units from the
    owner's anchor) and runs towards `run` (a direction, symbol units)."""

    def __init__(self, base, text, lower=None, run=(10, 0)):
        self.base = base
        self.text = text
        self.lower = lower
        self.run = run

    def lines(self, anchor, lined):
        out = ["text", pair(anchor), pair(self.base), pair(add(self.base, self.run)), self.text]
        if lined:
            out.append(self.lower or "")
        elif self.lower is not None:
            raise ValueError("a plain label has no lower text: " + self.text)
        return out


def label_lines(label, anchor, lined=False):
    """The label keyword and lines; poles, cables and directions carry lined
    labels (with a lower text), every other owner a plain one."""
    return label.lines(anchor, lined) if label else ["notext"]


class Scheme:
    def __init__(self):
        self.entries = []

    def add(self, code, lines):
        self.entries.append((code, lines))

    def count(self):
        return len(self.entries)

    def codes(self):
        return sorted({code for code, _ in self.entries})

    def text(self):
        out = []
        for layer in range(1, 13):
            for code, lines in self.entries:
                if LAYER[code] == layer:
                    out.append(str(code))
                    out.extend(lines)
        return "".join(line + "\r\n" for line in out)

    def write(self, path):
        data = self.text().encode("cp1251")
        with open(path, "wb") as f:
            f.write(data)

    # --- curbs and tram tracks ---------------------------------------------
    def curb(self, p1, p2):
        self.add(1, [pair(p1), pair(p2)])

    def curb_arc(self, c, r, start, end):
        """Arc from angle `start` clockwise (on the screen) to `end`."""
        self.add(3, self._arc(c, r, start, end))

    def track(self, p1, p2):
        self.add(19, [pair(p1), pair(p2)])

    def track_arc(self, c, r, start, end):
        self.add(20, self._arc(c, r, start, end))

    @staticmethod
    def _arc(c, r, start, end):
        # Stored: centre, radius point, first end, second end; the arc runs
        # from the second end clockwise to the first.
        return [pair(c), pair((c[0] + r, c[1])), pair(polar(c, r, end)), pair(polar(c, r, start))]

    def curb_path(self, points, radius):
        """A curb along a polyline of right-angled corners, each rounded."""
        ends = [points[0]]
        pieces = []
        for i in range(1, len(points) - 1):
            a, b, c = points[i - 1], points[i], points[i + 1]
            d1 = _unit((b[0] - a[0], b[1] - a[1]))
            d2 = _unit((c[0] - b[0], c[1] - b[1]))
            t1 = (b[0] - d1[0] * radius, b[1] - d1[1] * radius)
            t2 = (b[0] + d2[0] * radius, b[1] + d2[1] * radius)
            turn = d1[0] * d2[1] - d1[1] * d2[0]
            n1 = (-d1[1], d1[0]) if turn > 0 else (d1[1], -d1[0])
            centre = (t1[0] + n1[0] * radius, t1[1] + n1[1] * radius)
            a1 = _angle(centre, t1)
            a2 = _angle(centre, t2)
            pieces.append((ends[-1], t1))
            if turn > 0:
                self.curb_arc(centre, radius, a1, a2)
            else:
                self.curb_arc(centre, radius, a2, a1)
            ends.append(t2)
        pieces.append((ends[-1], points[-1]))
        for p, q in pieces:
            self.curb(p, q)

    # --- markings -----------------------------------------------------------
    def zebra(self, p1, p2):
        self.add(23, [pair(p1), pair(p2)])

    def stop_line(self, p1, p2):
        self.add(24, [pair(p1), pair(p2)])

    def lane_line(self, p1, p2, kind):
        self.add(25, [pair(p1), pair(p2), str(kind)])

    def crossing_line(self, p1, p2):
        self.add(26, [pair(p1), pair(p2)])

    def lane_arrow(self, base, heading, kind):
        self.add(27, [pair(base), pair(add(base, scale(heading, 64))), str(kind)])

    # --- buildings, texts ------------------------------------------------------
    def building(self, vertices, label=None):
        self.add(21, [str(len(vertices))] + [pair(v) for v in vertices] + label_lines(label, vertices[0]))

    def free_text(self, at, text, run=(10, 0)):
        self.add(18, [pair(at), "0 0", pair(run), text])

    # --- street furniture -------------------------------------------------------
    def pole(self, at, own, label=None):
        self.add(7, [pair(at), "own" if own else "other"] + label_lines(label, at, lined=True))

    def stand(self, at, arm):
        self.add(28, [pair(at), pair(arm)])

    def stay(self, p1, p2):
        self.add(30, [pair(p1), pair(p2)])

    def gantry(self, p1, p2, cantilever):
        self.add(17, [pair(p1), pair(p2), "1" if cantilever else "0"])

    def stick(self, anchor, base, aim):
        self.add(8, [pair(anchor), pair(base), pair(aim)])

    def cabinet(self, at, toward, kind, label=None):
        self.add(6, [pair(at), pair(toward), str(kind)] + label_lines(label, at))

    # --- signal heads ---------------------------------------------------------------
    def car_head(self, anchor, base, facing, napr, arrow=H_NONE, label=None):
        self.add(10, _air(anchor, base, facing) + [str(arrow), napr] + label_lines(label, anchor))

    def ped_head(self, anchor, base, facing, napr, label=None):
        self.add(12, _air(anchor, base, facing) + [napr] + label_lines(label, anchor))

    def tram_head(self, anchor, base, facing, left, straight, right, label=None):
        self.add(11, _air(anchor, base, facing) + [left, straight, right] + label_lines(label, anchor))

    # --- road signs -----------------------------------------------------------
    def sign(self, anchor, base, heading, kind, label=None, cells=None):
        """A sign standing on `base` with its top towards `heading`."""
        lines = _air(anchor, base, heading) + [str(kind)] + label_lines(label, anchor)
        if SIGN_CODE[kind] == 34:
            lines += [str(c) for c in cells]
        self.add(SIGN_CODE[kind], lines)

    # --- cable plant ------------------------------------------------------------
    def well(self, at, label=None):
        self.add(2, [pair(at)] + label_lines(label, at))

    def cable(self, p1, p2, kind, label=None, label_at=None):
        anchor = label_at or ((p1[0] + p2[0]) / 2, (p1[1] + p2[1]) / 2)
        self.add(5, [pair(p1), pair(p2), str(kind)] + label_lines(label, anchor, lined=True))

    def cable_route(self, points, kind):
        for p, q in zip(points, points[1:]):
            self.cable(p, q, kind)

    # --- traffic directions -------------------------------------------------
    def napr(self, points, phase, run=True, oneway=True, dashed=False, label=None, label_at=None):
        anchor = label_at or points[0]
        self.add(16, [str(len(points))] + [pair(p) for p in points] +
                 ["oneway" if oneway else "dual", "run" if run else "stop",
                  "1" if dashed else "0", str(phase)] + label_lines(label, anchor, lined=True))


def _air(anchor, base, facing):
    """The three stored pairs of a hanging item: the anchor point, the base
    offset and an aim offset 20 symbol units from the base towards `facing`."""
    f = _unit(facing)
    return [pair(anchor), pair(base), pair((base[0] + 20 * f[0], base[1] + 20 * f[1]))]


def _unit(v):
    d = math.hypot(v[0], v[1])
    return (v[0] / d, v[1] / d)


def _angle(c, p):
    return math.degrees(math.atan2(p[1] - c[1], p[0] - c[0])) % 360


N, S, E, W = (0, -1), (0, 1), (1, 0), (-1, 0)


def arc_points(c, r, start, end, steps):
    return [polar(c, r, start + (end - start) * i / steps) for i in range(steps + 1)]


# ---------------------------------------------------------------------------
# svo1: ул. Ленина x пр. Мира. Lenina runs west-east with a double tram track
# on its axis, two lanes each way; Mira runs north-south, two lanes each way.
# The eastbound track turns right into the south arm of Mira towards the
# depot. Directions of info.txt: 1 eastbound and 2 westbound on Lenina, 3
# northbound and 4 southbound on Mira, pedestrians 5 and 6 across Mira (north
# and south crossings), 7 and 8 across Lenina (west and east crossings), 9 the
# trams straight along Lenina, 10 the trams turning into the depot line.
# ---------------------------------------------------------------------------
def build_svo1():
    s = Scheme()
    yn, ys = 346, 554          # Lenina curbs
    xw, xe = 530, 670          # Mira curbs
    r = 60                     # corner radius
    tn, ts = 433, 467          # tram tracks: westbound (north), eastbound (south)

    # Buildings at the four corners, set back behind the sidewalks.
    s.building([(130, 70), (460, 70), (460, 230), (400, 290), (130, 290)],
               Label((40, 110), "д. 15, жилой 9 эт."))
    s.building([(740, 70), (1070, 70), (1070, 290), (800, 290), (740, 230)],
               Label((80, 110), "д. 17, жилой 5 эт."))
    s.building([(740, 670), (800, 610), (880, 610), (880, 860), (740, 860)],
               Label((20, 110), "д. 20, магазин"))
    s.building([(970, 610), (1150, 610), (1150, 860), (970, 860)],
               Label((20, 110), "д. 22, школа"))
    s.building([(130, 610), (400, 610), (460, 670), (460, 860), (130, 860)],
               Label((60, 110), "д. 18, поликлиника"))

    # Curbs: the four corners rounded; a driveway into the yard of no. 20-22.
    s.curb((0, yn), (xw - r, yn))
    s.curb_arc((xw - r, yn - r), r, 0, 90)
    s.curb((xw, yn - r), (xw, 0))
    s.curb((xe, 0), (xe, yn - r))
    s.curb_arc((xe + r, yn - r), r, 90, 180)
    s.curb((xe + r, yn), (1200, yn))
    s.curb((0, ys), (xw - r, ys))
    s.curb_arc((xw - r, ys + r), r, 270, 360)
    s.curb((xw, ys + r), (xw, 900))
    s.curb((xe, 900), (xe, ys + r))
    s.curb_arc((xe + r, ys + r), r, 180, 270)
    s.curb_path([(xe + r, ys), (900, ys), (900, 640)], 10)
    s.curb_path([(950, 640), (950, ys), (1200, ys)], 10)

    # Tram tracks: two straight tracks along Lenina and the depot line.
    s.track((0, tn), (600, tn))
    s.track((600, tn), (1200, tn))
    s.track((0, ts), (480, ts))
    s.track((480, ts), (1200, ts))
    s.track_arc((480, ts + 120), 120, 270, 360)
    s.track((600, ts + 120), (600, 900))

    # Street names along the arms.
    s.free_text((30, 408), "ул. Ленина")
    s.free_text((1075, 546), "ул. Ленина")
    s.free_text((660, 150), "пр. Мира", run=(0, -10))
    s.free_text((560, 860), "пр. Мира", run=(0, -10))
    s.free_text((632, 890), "в депо", run=(0, -10))

    # --- markings -------------------------------------------------------------
    # Zebras: across Lenina in two halves with the tram strip between them,
    # whose crossing is bordered by dashed lines; across Mira in one piece.
    for x in (440, 760):
        s.zebra((x, yn), (x, 416))
        s.zebra((x, 484), (x, ys))
        s.crossing_line((x - 25, 416), (x - 25, 484))
        s.crossing_line((x + 25, 416), (x + 25, 484))
    s.zebra((xw, 256), (xe, 256))
    s.zebra((xw, 644), (xe, 644))
    # Stop lines, the ones on Lenina across the tram track too.
    s.stop_line((400, 450), (400, ys))
    s.stop_line((800, yn), (800, 450))
    s.stop_line((xw, 216), (600, 216))
    s.stop_line((600, 684), (xe, 684))
    # West arm.
    s.lane_line((0, 381), (410, 381), LONG_DASH)
    s.lane_line((0, 416), (410, 416), SOLID)
    s.lane_line((0, 484), (395, 484), SOLID)
    s.lane_line((0, 519), (300, 519), LONG_DASH)
    s.lane_line((300, 519), (395, 519), SOLID)
    # East arm.
    s.lane_line((805, 381), (900, 381), SOLID)
    s.lane_line((900, 381), (1200, 381), LONG_DASH)
    s.lane_line((805, 416), (1200, 416), SOLID)
    s.lane_line((790, 484), (1200, 484), SOLID)
    s.lane_line((790, 519), (1200, 519), LONG_DASH)
    # The tram strip through the junction.
    s.lane_line((470, 416), (730, 416), SHORT_DASH)
    s.lane_line((470, 484), (730, 484), SHORT_DASH)
    # North arm.
    s.lane_line((600, 0), (600, 211), DOUBLE)
    s.lane_line((565, 0), (565, 120), LONG_DASH)
    s.lane_line((565, 120), (565, 211), SOLID)
    s.lane_line((635, 0), (635, 226), LONG_DASH)
    # South arm: the depot line runs on the axis.
    s.lane_line((565, 674), (565, 900), LONG_DASH)
    s.lane_line((635, 689), (635, 780), SOLID)
    s.lane_line((635, 780), (635, 900), LONG_DASH)
    # Lane arrows, about 5 m before the stop lines; turning arrows sit off
    # the lane centre so that their branch stays in the lane.
    s.lane_arrow((280, 508), E, M_STRAIGHT_LEFT)
    s.lane_arrow((280, 530), E, M_STRAIGHT_RIGHT)
    s.lane_arrow((920, 398.5), W, M_STRAIGHT)
    s.lane_arrow((920, 363.5), W, M_STRAIGHT)
    s.lane_arrow((576, 100), S, M_STRAIGHT_LEFT)
    s.lane_arrow((554, 100), S, M_STRAIGHT_RIGHT)
    s.lane_arrow((622, 800), N, M_STRAIGHT)
    s.lane_arrow((646, 800), N, M_STRAIGHT_RIGHT)

    # --- poles, gantries and stays --------------------------------------------
    nw, ne, se, sw = (491, 307), (709, 307), (709, 593), (491, 593)
    s.pole(nw, True, Label((-42, -14), "Ст.1", "3,5 м"))
    s.pole(ne, True, Label((14, -14), "Ст.2", "3,5 м"))
    s.pole(se, True, Label((14, 30), "Ст.3", "3,5 м"))
    s.pole(sw, True, Label((-42, 30), "Ст.4", "3,5 м"))
    cant = (405, 592)          # cantilever over the west approach
    s.pole(cant, True, Label((-44, 20), "Ст.5", "консоль"))
    s.gantry(cant, (405, 460), cantilever=True)
    pn, ps = (815, 318), (815, 582)   # portal over the east approach
    s.pole(pn, True, Label((12, -20), "Ст.6", "портал"))
    s.pole(ps, True)
    s.gantry(pn, ps, cantilever=False)
    south = (697, 692)         # pole at the south stop line
    s.pole(south, True, Label((16, 4), "Ст.7", "3,5 м"))
    # Lighting poles of Mira carry a span over the north approach; the tram's
    # contact poles along Lenina carry the contact-wire spans.
    fw, fe = (505, 224), (695, 224)
    s.pole(fw, False)
    s.pole(fe, False, Label((14, -6), "оп.осв.", "чужая"))
    s.stay(fw, fe)
    for x in (150, 1050):
        s.pole((x, 330), False, Label((10, -26), "КС-%d" % (x // 50), "чужая"))
        s.pole((x, 570), False)
        s.stay((x, 330), (x, 570))

    # --- vehicle, tram and pedestrian heads ---------------------------------
    # A head hangs at the free end of a stick and faces its approach.
    def head_on(kind, anchor, base, facing, *args, **kw):
        s.stick(anchor, (0, 0), base)
        kind(anchor, base, facing, *args, **kw)

    # Lenina eastbound: over the lanes on the cantilever, repeated at the
    # far corner; the tram head for the straight and the depot tracks.
    head_on(s.car_head, (405, 519), (-8, 0), W, "1", label=Label((-30, 22), "Т1"))
    head_on(s.car_head, se, (-24, -22), W, "1", label=Label((-30, -40), "Т2"))
    head_on(s.tram_head, (405, 468), (-8, 0), W, "no napr", "9", "10", label=Label((-36, -12), "Г2"))
    # Lenina westbound on the portal; only straight on is allowed there.
    head_on(s.car_head, (815, 381), (16, 0), E, "2", H_STRAIGHT, label=Label((34, 5), "Т3"))
    head_on(s.car_head, nw, (24, 22), E, "2", H_STRAIGHT, label=Label((40, 40), "Т4"))
    head_on(s.tram_head, (815, 433), (16, 0), E, "no napr", "9", "no napr", label=Label((40, 5), "Г1"))
    # Mira southbound on the span; Mira northbound at the stop line.
    head_on(s.car_head, (565, 224), (0, -10), N, "4", label=Label((14, -14), "Т5"))
    head_on(s.car_head, sw, (22, -24), N, "4", label=Label((38, -24), "Т6"))
    head_on(s.car_head, south, (-30, 0), S, "3", H_RIGHT_STRAIGHT, label=Label((-62, 24), "Т7"))
    head_on(s.car_head, ne, (-22, 24), S, "3", H_RIGHT_STRAIGHT, label=Label((-56, 30), "Т8"))
    # Pedestrian heads at both ends of every crossing.
    head_on(s.ped_head, nw, (-40, 28), S, "7")
    head_on(s.ped_head, sw, (-40, -28), N, "7")
    head_on(s.ped_head, ne, (40, 28), S, "8")
    head_on(s.ped_head, se, (40, -28), N, "8")
    head_on(s.ped_head, nw, (26, -40), E, "5")
    head_on(s.ped_head, ne, (-26, -40), W, "5")
    head_on(s.ped_head, sw, (26, 40), E, "6")
    head_on(s.ped_head, se, (-26, 40), W, "6")

    # --- road signs ----------------------------------------------------------
    # Lenina (west) and Mira (north) form the main road, which turns at the
    # junction: every approach has a priority sign with the plate 7.13.
    def sign_post(at, arm, heading, signs, label_side):
        """A stand with signs stacked from the arm end towards `heading`,
        each 30 symbol units further; labels beside them."""
        s.stand(at, arm)
        if len(signs) > 1:
            s.stick(at, arm, add(arm, scale(heading, 30 * (len(signs) - 1))))
        for i, (kind, number, cells) in enumerate(signs):
            base = add(arm, scale(heading, 30 * i))
            label = Label(add(base, label_side), number) if number else None
            s.sign(at, base, heading, kind, label, cells)

    w_cells = [1, 0, 1, 0, 2, 0, 2, 0]   # main road from below to the left
    sign_post((250, 580), (0, -14), E, [(17, "7.13", w_cells), (4, "2.1", None)], (2, 28))
    sign_post((488, 110), (12, 0), S, [(17, "7.13", [2, 0, 1, 0, 1, 0, 2, 0]), (4, "2.1", None)], (-44, 18))
    sign_post((960, 322), (0, 14), W, [(17, "7.13", [2, 0, 2, 0, 1, 0, 1, 0]), (6, "2.4", None)], (-24, -14))
    sign_post((702, 840), (-12, 0), N, [(17, "7.13", [1, 0, 2, 0, 2, 0, 1, 0]), (7, "2.5", None)], (16, -4))
    sign_post((488, 30), (12, 0), S, [(18, "7.1.1", None), (2, "1.5", None)], (-44, 14))
    sign_post((1010, 322), (0, 14), W, [(9, "4.1.1", None)], (-30, -14))
    sign_post((702, 762), (-12, 0), N, [(12, "4.1.4", None)], (16, -4))
    sign_post((1100, 580), (0, -14), E, [(5, "3.27", None)], (0, 28))
    # The yard of no. 20-22: no entry from the street, exit to the right only.
    sign_post((874, 578), (12, 0), S, [(16, "3.1", None)], (-40, 18))
    sign_post((974, 626), (-10, 0), N, [(10, "4.1.2", None)], (14, -4))
    # The pedestrian crossing sign of the north approach hangs on the span's pole.
    s.stick(fw, (0, 0), (14, 0))
    s.sign(fw, (14, 0), S, 3, Label((-40, 22), "5.19.1"))

    # --- cabinets and cable plant ------------------------------------------------
    board, ctrl, phone = (262, 304), (317, 304), (372, 304)
    s.cabinet(board, (302, 304), POWER_BOARD, Label((-10, -18), "ЩС"))
    s.cabinet(ctrl, (357, 304), CONTROLLER, Label((-24, -18), "ДК КС-4"))
    s.cabinet(phone, (412, 304), PHONE_BOX, Label((4, -18), "ТК"))
    # Wells with the side their number is written on.
    wells = {
        "К1": ((317, 332), (6, -4)), "К2": ((477, 323), (-24, 4)), "К3": ((723, 323), (8, 4)),
        "К4": ((723, 577), (8, 12)), "К5": ((477, 577), (-24, 12)), "К6": ((425, 574), (-22, -2)),
        "К7": ((830, 330), (6, -6)), "К8": ((830, 570), (6, 12)), "К9": ((725, 716), (8, 12)),
    }
    for name, (at, side) in wells.items():
        s.well(at, Label(side, name))
    k = {name: at for name, (at, _) in wells.items()}
    # Power from the substation underground; the telephone line runs on the
    # wall of no. 15 to its box.
    s.cable((0, 322), (262, 322), POWER, Label((0, -64), "АВБбШв 4х16", "от ТП-118"), label_at=(100, 322))
    s.cable((262, 322), board, POWER)
    s.cable(board, ctrl, POWER)
    s.cable((0, 294), (372, 294), AIR_COMM, Label((0, -20), "ВЛС", "связь"), label_at=(40, 294))
    s.cable((372, 294), phone, AIR_COMM)
    s.cable(phone, ctrl, COMM)
    s.cable(ctrl, k["К1"], CONTROL)
    s.cable(k["К1"], k["К2"], CONTROL)
    s.cable(k["К2"], k["К3"], CONTROL)
    s.cable(k["К2"], k["К5"], CONTROL, Label((40, -4), "КВВГ 14х1,5", "L=25 м"), label_at=(477, 400))
    s.cable(k["К3"], k["К4"], CONTROL, Label((-90, 0), "КВВГ 10х1,5", "L=25 м"), label_at=(723, 510))
    s.cable(k["К5"], k["К6"], CONTROL)
    s.cable(k["К6"], cant, CONTROL)
    s.cable(k["К3"], k["К7"], CONTROL)
    s.cable(k["К7"], pn, CONTROL)
    s.cable(k["К4"], k["К8"], CONTROL)
    s.cable(k["К8"], ps, CONTROL)
    s.cable(k["К4"], k["К9"], CONTROL)
    s.cable(k["К9"], south, CONTROL)
    s.cable(k["К2"], nw, CONTROL)
    s.cable(k["К3"], ne, CONTROL)
    s.cable(k["К4"], se, CONTROL)
    s.cable(k["К5"], sw, CONTROL)
    s.cable(k["К2"], fw, CONTROL)
    s.cable(fw, (565, 224), AIR_CONTROL, Label((-90, -16), "КВВГ 7х1,5", "по тросу"), label_at=(535, 224))

    # --- traffic directions, one set per phase ----------------------------------
    def dl(text):
        return Label((14, -22), text)

    # Phase 1: Lenina both ways with their turns; pedestrians across Mira;
    # Mira held at its stop lines.
    s.napr([(350, 519), (880, 519)], 1, label=dl("1"), label_at=(520, 519))
    s.napr([(350, 500), (560, 500), (615, 440), (630, 330), (630, 180)], 1)
    s.napr([(350, 540), (470, 540), (530, 590), (550, 720)], 1)
    s.napr([(850, 381), (320, 381)], 1, label=dl("2"), label_at=(700, 381))
    s.napr([(850, 400), (640, 400), (585, 460), (570, 720)], 1)
    s.napr([(850, 363), (730, 363), (665, 310), (655, 180)], 1)
    s.napr([(540, 256), (660, 256)], 1, oneway=False, dashed=True)
    s.napr([(540, 644), (660, 644)], 1, oneway=False, dashed=True)
    s.napr([(582, 172), (582, 208)], 1, run=False)
    s.napr([(652, 728), (652, 692)], 1, run=False)
    # Phase 2: Lenina westbound and the trams straight through.
    s.napr([(850, 381), (320, 381)], 2, label=dl("2"), label_at=(700, 381))
    s.napr([(850, 363), (730, 363), (665, 310), (655, 180)], 2)
    s.napr([(300, ts), (880, ts)], 2, label=dl("9"), label_at=(700, ts))
    s.napr([(900, tn), (320, tn)], 2)
    s.napr([(350, 519), (392, 519)], 2, run=False)
    # Phase 3: Mira both ways; pedestrians across Lenina.
    s.napr([(652, 730), (652, 150)], 3, label=dl("3"), label_at=(652, 300))
    s.napr([(660, 730), (660, 620), (700, 540), (900, 536)], 3)
    s.napr([(547, 170), (547, 780)], 3, label=dl("4"), label_at=(547, 600))
    s.napr([(582, 170), (582, 330), (630, 470), (900, 500)], 3)
    s.napr([(540, 170), (540, 300), (500, 364), (300, 364)], 3)
    s.napr([(440, 356), (440, 544)], 3, oneway=False, dashed=True)
    s.napr([(760, 356), (760, 544)], 3, oneway=False, dashed=True)
    # Phase 4: Mira southbound and the trams into the depot line.
    s.napr([(547, 170), (547, 780)], 4, label=dl("4"), label_at=(547, 600))
    s.napr([(540, 170), (540, 300), (500, 364), (300, 364)], 4)
    s.napr([(300, ts)] + arc_points((480, ts + 120), 120, 270, 360, 4) + [(600, 780)], 4,
           label=dl("10"), label_at=(600, 700))
    s.napr([(652, 728), (652, 692)], 4, run=False)
    return s



# ---------------------------------------------------------------------------
# svo2: ул. Садовая (west-east, one lane each way) and пер. Тихий joining it
# from the south; a system object of two phases. Real scale 1.5, so a unit is
# 1/15 m: a 3.5 m lane is 52.5 units. Directions: 1 Sadovaya both ways, 2 out
# of Tikhiy, pedestrians 3 across Tikhiy and 4 across Sadovaya.
# ---------------------------------------------------------------------------
def build_svo2():
    s = Scheme()
    yn, ys = 248, 352          # Sadovaya curbs
    xw, xe = 405, 495          # Tikhiy curbs
    r = 90                     # corner radius, 6 m

    s.building([(60, 60), (840, 60), (840, 190), (60, 190)], Label((300, 76), "д. 7, жилой"))
    s.building([(60, 400), (330, 400), (360, 430), (360, 640), (60, 640)], Label((40, 110), "д. 9"))
    s.building([(540, 430), (570, 400), (840, 400), (840, 640), (540, 640)], Label((60, 110), "д. 11, кафе"))

    s.curb((0, yn), (900, yn))
    s.curb((0, ys), (xw - r, ys))
    s.curb_arc((xw - r, ys + r), r, 270, 360)
    s.curb((xw, ys + r), (xw, 660))
    s.curb((xe, 660), (xe, ys + r))
    s.curb_arc((xe + r, ys + r), r, 180, 270)
    s.curb((xe + r, ys), (900, ys))
    s.free_text((20, 290), "ул. Садовая")
    s.free_text((485, 650), "пер. Тихий", run=(0, -10))

    s.zebra((250, yn), (250, ys))
    s.zebra((xw, 480), (xe, 480))
    s.stop_line((200, 300), (200, ys))
    s.stop_line((600, yn), (600, 300))
    s.stop_line((450, 530), (xe, 530))
    s.lane_line((0, 300), (140, 300), LONG_DASH)
    s.lane_line((140, 300), (205, 300), SOLID)
    s.lane_line((295, 300), (380, 300), SOLID)
    s.lane_line((520, 300), (660, 300), SOLID)
    s.lane_line((660, 300), (900, 300), LONG_DASH)
    s.lane_line((450, 524), (450, 660), SOLID)
    s.lane_arrow((70, 315), E, M_STRAIGHT_RIGHT)
    s.lane_arrow((770, 263), W, M_STRAIGHT_LEFT)

    # Poles: one at every stop line, one at each end of the crossings.
    pw, pn, pe, pr, pt, pl = (220, 376), (280, 222), (600, 225), (470, 222), (518, 505), (382, 505)
    s.pole(pw, True, Label((-50, 20), "Ст.1"))
    s.pole(pn, True, Label((10, -24), "Ст.2"))
    s.pole(pe, True, Label((10, -24), "Ст.3"))
    s.pole(pr, True, Label((10, -24), "Ст.4"))
    s.pole(pt, True, Label((16, 10), "Ст.5"))
    s.pole(pl, True, Label((-44, 10), "Ст.6"))
    light = (430, 222)
    s.pole(light, False)

    def head_on(kind, anchor, base, facing, *args, **kw):
        s.stick(anchor, (0, 0), base)
        kind(anchor, base, facing, *args, **kw)

    head_on(s.car_head, pw, (0, -16), W, "1", label=Label((-30, -8), "Т1"))
    head_on(s.car_head, pe, (0, 16), E, "1", label=Label((16, 36), "Т2"))
    head_on(s.car_head, pt, (-40, 0), S, "2", label=Label((-46, 30), "Т3"))
    head_on(s.car_head, pr, (0, 16), S, "2", label=Label((-30, 44), "Т4"))
    head_on(s.ped_head, pw, (30, -24), N, "4")
    head_on(s.ped_head, pn, (-30, 24), S, "4")
    head_on(s.ped_head, pt, (-32, -40), W, "3")
    head_on(s.ped_head, pl, (32, -40), E, "3")

    s.stand((110, 378), (0, -12))
    s.sign((110, 378), (0, -12), E, 4, Label((-30, -6), "2.1"))
    s.stand((740, 222), (0, 12))
    s.sign((740, 222), (0, 12), W, 4, Label((-24, -14), "2.1"))
    s.stand((520, 600), (-12, 0))
    s.stick((520, 600), (-12, 0), (-12, -30))
    s.sign((520, 600), (-12, 0), N, 6, Label((10, -2), "2.4"))
    s.sign((520, 600), (-12, -30), N, 15, Label((10, -32), "4.1.6"))
    s.stick(pl, (0, 0), (0, 14))
    s.sign(pl, (0, 14), N, 3, Label((-44, 30), "5.19.1"))

    ctrl = (380, 205)
    s.cabinet(ctrl, (420, 205), CONTROLLER, Label((-20, -20), "ДК КС-2"))
    wells = {"К1": (380, 232), "К2": (240, 232), "К3": (240, 392), "К4": (505, 234), "К5": (376, 545),
             "К6": (518, 540)}
    for name, at in wells.items():
        s.well(at, Label((6, -6), name))
    k = wells
    s.cable(light, ctrl, AIR_POWER, Label((0, -66), "СИП 2х16", "от сети освещения"), label_at=(405, 213))
    s.cable(ctrl, (0, 200), COMM, Label((10, -20), "ТПП 5х2", "к АСУДД"), label_at=(60, 200))
    s.cable(ctrl, k["К1"], CONTROL)
    s.cable_route([k["К1"], k["К2"], k["К3"], pw], CONTROL)
    s.cable(k["К2"], pn, CONTROL)
    s.cable_route([k["К1"], k["К4"], pe], CONTROL)
    s.cable(k["К4"], pr, CONTROL)
    s.cable(k["К1"], k["К5"], CONTROL, Label((20, 10), "КВВГ 10х1,5", "L=22 м"), label_at=(381, 400))
    s.cable(k["К5"], pl, CONTROL)
    s.cable_route([k["К5"], k["К6"], pt], CONTROL)

    # Phase 1: Sadovaya and pedestrians across Tikhiy; phase 2: out of
    # Tikhiy and pedestrians across Sadovaya.
    s.napr([(180, 326), (880, 326)], 1, label=Label((14, -22), "1"), label_at=(700, 326))
    s.napr([(180, 336), (380, 336), (430, 380), (472, 470)], 1)
    s.napr([(620, 274), (20, 274)], 1)
    s.napr([(620, 264), (470, 264), (430, 340), (428, 470)], 1)
    s.napr([(415, 480), (485, 480)], 1, oneway=False, dashed=True)
    s.napr([(200, 326), (200, 350)], 2, run=False)
    s.napr([(472, 540), (472, 380), (440, 290), (300, 274), (20, 274)], 2,
           label=Label((14, -22), "2"), label_at=(472, 440))
    s.napr([(472, 540), (480, 400), (560, 336), (880, 326)], 2)
    s.napr([(250, 258), (250, 342)], 2, oneway=False, dashed=True)
    return s


# ---------------------------------------------------------------------------
# svo3: a pedestrian crossing of наб. Речная at house no. 12, worked by a УК
# controller in three phases: 1 the embankment both ways, 2 out of the yard of
# no. 12, 3 the pedestrians.
# ---------------------------------------------------------------------------
def build_svo3():
    s = Scheme()
    yn, ys = 250, 320          # embankment curbs; the river is to the north

    s.building([(170, 390), (500, 390), (500, 540), (170, 540)], Label((60, 90), "д. 12"))
    s.building([(590, 390), (780, 390), (780, 540), (590, 540)], Label((60, 90), "д. 14"))
    s.curb((150, yn), (800, yn))
    s.curb_path([(150, ys), (520, ys), (520, 420)], 10)
    s.curb_path([(570, 420), (570, ys), (800, ys)], 10)
    s.free_text((160, 278), "наб. Речная")
    s.free_text((160, 232), "р. Речная")

    s.zebra((400, yn), (400, ys))
    s.stop_line((350, 285), (350, ys))
    s.stop_line((450, yn), (450, 285))
    s.stop_line((545, 336), (570, 336))
    s.lane_line((150, 285), (300, 285), LONG_DASH)
    s.lane_line((300, 285), (370, 285), SOLID)
    s.lane_line((430, 285), (500, 285), SOLID)
    s.lane_line((500, 285), (800, 285), LONG_DASH)

    south, north, yard = (362, 340), (438, 232), (588, 350)
    s.pole(south, True, Label((-56, 24), "Ст.1"))
    s.pole(north, True, Label((14, -20), "Ст.2"))
    s.pole(yard, True, Label((14, 18), "Ст.3"))

    def head_on(kind, anchor, base, facing, *args, **kw):
        s.stick(anchor, (0, 0), base)
        kind(anchor, base, facing, *args, **kw)

    head_on(s.car_head, south, (-10, -14), W, "1", label=Label((-44, -4), "Т1"))
    head_on(s.car_head, north, (10, 14), E, "1", label=Label((24, 36), "Т2"))
    head_on(s.car_head, yard, (-20, 0), S, "2", label=Label((-44, 26), "Т3"))
    head_on(s.ped_head, south, (36, -16), N, "3", label=Label((30, 22), "П1"))
    head_on(s.ped_head, north, (-36, 16), S, "3", label=Label((-50, -8), "П2"))
    s.stick(south, (0, 0), (0, 14))
    s.sign(south, (0, 14), E, 3, Label((-30, 42), "5.19.1"))
    s.stick(north, (0, 0), (0, -14))
    s.sign(north, (0, -14), W, 3, Label((4, -30), "5.19.1"))
    s.stand((596, 410), (-12, 0))
    s.sign((596, 410), (-12, 0), N, 6, Label((10, -4), "2.4"))

    ctrl = (300, 374)
    s.cabinet(ctrl, (340, 374), CONTROLLER, Label((-30, 24), "УК"))
    k1, k2 = (330, 340), (460, 226)
    s.well(k1, Label((-24, -6), "К1"))
    s.well(k2, Label((6, -4), "К2"))
    s.cable((230, 390), ctrl, POWER, Label((-40, 50), "АВВГ 2х6", "от ВРУ д. 12"), label_at=(265, 382))
    s.cable(ctrl, k1, CONTROL)
    s.cable(k1, south, CONTROL)
    s.cable(k1, k2, CONTROL)
    s.cable(k2, north, CONTROL)
    s.cable(k1, yard, CONTROL, Label((-40, 40), "КВВГ 4х1,5", "L=26 м"), label_at=(480, 346))

    s.napr([(300, 302), (700, 302)], 1, label=Label((14, -22), "1"), label_at=(600, 302))
    s.napr([(500, 268), (200, 268)], 1)
    s.napr([(545, 420), (545, 320), (520, 300), (300, 268)], 2, label=Label((14, -22), "2"), label_at=(545, 380))
    s.napr([(555, 420), (555, 325), (600, 302), (760, 302)], 2)
    s.napr([(400, 258), (400, 312)], 3, oneway=False, dashed=True, label=Label((14, -22), "3"), label_at=(400, 270))
    return s


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "Data")
    for name, build in (("svo1", build_svo1), ("svo2", build_svo2), ("svo3", build_svo3)):
        scheme = build()
        scheme.write(os.path.join(root, name, "map.txt"))
        print("%s: %d items, type codes %s" % (name, scheme.count(), " ".join(map(str, scheme.codes()))))


if __name__ == "__main__":
    main()
