#!/usr/bin/env python3
"""Derive Tavra's sample timetable source from the real railway data.

    python3 sample-data/derive/derive_sample.py REAL_DATA_DIR OUT_DIR [--unihan FILE]

REAL_DATA_DIR holds station_name.js, lines/, graphs/ and schedules/; OUT_DIR
receives version.txt, stations.tsv, trains.tsv, stops.tsv, fare_bands.tsv,
station_fares.tsv and rates.tsv.  Standard library only; the output depends
on nothing but the input (every list is sorted explicitly).  The rules are
described in sample-data/README.md; a summary with all counts is printed at
the end.
"""

import argparse
import bz2
import collections
import os
import re
import sys

VERSION = 20210120                      # date of the train diagrams
DAY = 1440                              # minutes
DEFAULT_UNIHAN = '/usr/share/unicode/Unihan_Readings.txt.bz2'

# Limits of the record layouts.
MAX_STATIONS = MAX_TRAINS = 9998
MAX_CALLS = 99998
MAX_TRAIN_CALLS = 99
MAX_KM = 9999
MAX_DAY = 3

# A misspelt line-table name and the spelling used everywhere else.
NAME_FIXES = {'株州': '株洲'}

# Schedule file -> the line table that gives its distances.
SCHEDULE_LINES = {
    '2017-09-21_京沪高速_下行.txt': '京沪高速线',
    '2018-09-23_XJA_上行.txt': '京广高速线',
}

# Stations that no train passes without a stop on the line named: the
# 京沪高速 table goes on from 上海虹桥 to 杭州东, but trains turn at 上海虹桥,
# and a stretch between 南京南 and 杭州东 drawn on that diagram runs on the
# 宁杭 line, which no table covers.
NO_THROUGH_RUNNING = {'京沪高速线': ['上海虹桥']}

# Highest average speed (km/h) between two calls: a faster stretch is a
# diagram line drawn across a route the train does not take.
MAX_SPEED = {'G': 350, 'D': 350, 'C': 350}
MAX_SPEED_OTHER = 200

# Longest gap (minutes) between the two halves of a stop that a diagram cuts
# at midnight, and highest speed (km/h) accepted for a stretch whose midnight
# crossing the diagram does not draw.
MIDNIGHT_STOP_GAP = 180
GAP_SPEED = 200

NUMBER_RE = re.compile(r'([A-Z]?)(\d+)')
VALID_NUMBER_RE = re.compile(r'(?:\d+|[A-Z]\d+)')


# --------------------------------------------------------------------------
# Reading the sources

def read_text(path):
    """A source file as text: UTF-8 as documented, GBK where it is not."""
    with open(path, 'rb') as f:
        data = f.read()
    try:
        return data.decode('utf-8'), 'utf-8'
    except UnicodeDecodeError:
        return data.decode('gbk'), 'gbk'


def read_station_list(path):
    """station_name.js: name -> upper-case pinyin initials."""
    text, _ = read_text(path)
    body = text[text.index("'") + 1:text.rindex("'")]
    keys = {}
    for entry in body.split('@'):
        if not entry:
            continue
        fields = entry.split('|')
        keys[fields[1]] = fields[4].upper()
    return keys


def read_unihan(path):
    """Unihan_Readings: character -> first letter of its first kMandarin reading."""
    letters = {}
    with bz2.open(path, 'rt', encoding='utf-8') as f:
        for line in f:
            if line.startswith('#'):
                continue
            fields = line.rstrip('\n').split('\t')
            if len(fields) == 3 and fields[1] == 'kMandarin':
                char = chr(int(fields[0][2:], 16))
                letters[char] = strip_tone(fields[2].split()[0][0]).upper()
    return letters


def strip_tone(letter):
    """The plain Latin letter of a pinyin letter that may carry a tone mark."""
    plain = {'āáǎà': 'a', 'ēéěè': 'e', 'īíǐì': 'i', 'ōóǒò': 'o',
             'ūúǔùǖǘǚǜü': 'u'}
    for marked, base in plain.items():
        if letter in marked:
            return base
    return letter


class LineStation:
    def __init__(self, name, km, branch, block):
        self.name, self.km, self.branch, self.block = name, km, branch, block


def read_lines(folder):
    """lines/*.txt: line name -> passenger stations in file order.

    `block` numbers the runs of consecutive stations that are all on the main
    run or all marked `*`; it tells apart two stations that share a km.
    Names ending in 所 (junctions, block posts) are skipped.
    """
    lines = {}
    for fn in sorted(os.listdir(folder)):
        if not fn.endswith('里程.txt'):
            continue
        text, _ = read_text(os.path.join(folder, fn))
        stations, block, last_branch = [], -1, None
        for raw in text.splitlines():
            raw = raw.strip()
            if not raw:
                continue
            m = re.fullmatch(r'(\S+?)(\*?) (-?\d+)(?: (\*+))?', raw)
            if not m:
                raise SystemExit('%s: cannot read line %r' % (fn, raw))
            name = NAME_FIXES.get(m.group(1), m.group(1))
            branch = bool(m.group(2) or m.group(4))
            if name.endswith('所'):
                continue
            if branch != last_branch:
                block, last_branch = block + 1, branch
            stations.append(LineStation(name, int(m.group(3)), branch, block))
        lines[fn[:-len('里程.txt')]] = stations
    return lines


class Piece:
    """One <polyline> of a diagram: a train's path on one line for one day."""

    def __init__(self, line, prefix, number, suffix, points):
        self.line, self.prefix, self.number = line, prefix, number
        self.suffix, self.points = suffix, points   # prefix, suffix: not used
        self.calls = []


def read_diagrams(folder, lines):
    pieces = []
    for fn in sorted(os.listdir(folder)):
        if not fn.endswith('.svg'):
            continue
        line = re.sub(r'^\d+', '', fn[:-4])
        text, _ = read_text(os.path.join(folder, fn))
        for m in re.finditer(r'<polyline\b([^>]*)>', text):
            attrs = dict(re.findall(r'(\w+)="([^"]*)"', m.group(1)))
            prefix, _, rest = attrs['name'].rpartition('_')
            nm = re.fullmatch(r'([A-Z]?\d+)(\+\d+)?', rest)
            if not nm:
                raise SystemExit('%s: cannot read train %r' % (fn, attrs['name']))
            points = [tuple(int(v) for v in p.split(','))
                      for p in attrs['points'].split()]
            piece = Piece(line, prefix, nm.group(1), nm.group(2) or '', points)
            piece.calls = piece_calls(piece, lines[line])
            pieces.append(piece)
    return pieces


class PieceCall:
    """A stop drawn in one piece: t0..t1 minutes of the piece's day."""

    def __init__(self, name, km, t0, t1, arr, dep, first, last, a_open, d_open):
        self.name, self.km, self.t0, self.t1 = name, km, t0, t1
        self.arr, self.dep = arr, dep          # known arrival / departure
        self.first, self.last = first, last    # first / last group of the piece
        self.a_open, self.d_open = a_open, d_open  # cut at 00:00 / 24:00


def resolve_names(points, stations):
    """Station name of every point (None for a point between stations)."""
    by_km = collections.defaultdict(list)
    for s in stations:
        by_km[s.km].append(s)
    cands = [by_km.get(y, []) for _, y in points]
    sure_blocks = [c[0].block for c in cands if len({s.name for s in c}) == 1]
    names = []
    for c in cands:
        if not c:
            names.append(None)
        elif len({s.name for s in c}) == 1:
            names.append(c[0].name)
        else:
            # Two stations at one km: take the one whose block holds more of
            # this piece's other stops, the main-run one on a tie.
            best = max(c, key=lambda s: (sure_blocks.count(s.block), not s.branch))
            names.append(best.name)
    return names


def piece_calls(piece, stations):
    """Group the points of a piece into calls.

    Consecutive points at one km are the arrival and departure of a stop.  A
    lone first point is a departure, a lone last point an arrival; x = 0 and
    x = 1440 at the ends of a piece are midnight, not times of the stop.
    """
    pts = piece.points
    names = resolve_names(pts, stations)
    groups = []
    for i, (x, y) in enumerate(pts):
        if groups and pts[groups[-1][0]][1] == y:
            groups[-1].append(i)
        else:
            groups.append([i])
    calls = []
    for g in groups:
        first, last = g[0] == 0, g[-1] == len(pts) - 1
        times = [pts[i][0] for i in g]
        a_open = first and times[0] == 0
        d_open = last and times[-1] == DAY
        if a_open:
            times = times[1:]
        if d_open:
            times = times[:-1]
        name = names[g[0]]
        if name is None or not times:
            continue                       # a midnight crossing between stations
        lone = len(times) == 1
        arr = None if a_open or (first and lone and not last) else times[0]
        dep = None if d_open or (last and lone and not first) else times[-1]
        if first and last and lone and not a_open and not d_open:
            arr = dep = None               # a piece of a single point
        calls.append(PieceCall(name, pts[g[0]][1], times[0], times[-1], arr, dep,
                               first, last, a_open, d_open))
    return calls


# --------------------------------------------------------------------------
# Joining the pieces of a train into runs

class Run:
    """A train's run: calls [name, arr, dep, km], times in minutes from
    midnight before the origin's departure."""

    def __init__(self, numbers, calls, source):
        self.numbers = numbers          # number the train runs under at each call
        self.calls = calls
        self.source = source            # 'diagram' or a schedule file name
        self.entry_arrival = None       # arrival drawn at the first call: the
        self.exit_departure = None      # run comes from / goes on beyond the data
        self.stretches = []             # (line, km, km) of the stretch before each call


def dedupe_pieces(pieces, keep_midnight):
    """Drop repeated drawings, and pieces that add no stop to the others;
    with keep_midnight, not those that cross midnight (they may be the only
    link between two days)."""
    seen, unique = set(), []
    for p in pieces:
        key = (p.line, tuple(p.points))
        if key not in seen and p.calls:
            seen.add(key)
            unique.append(p)
    marks = [{(c.name, t) for c in p.calls for t in (c.t0, c.t1)} for p in unique]
    order = sorted(range(len(unique)),
                   key=lambda i: (-len(unique[i].calls), unique[i].line, unique[i].points))
    covered, keep = set(), []
    for i in order:
        p = unique[i]
        crosses_midnight = p.points[0][0] == 0 or p.points[-1][0] == DAY
        if marks[i] <= covered and not (keep_midnight and crosses_midnight):
            continue
        keep.append(i)
        covered |= marks[i]
    return [unique[i] for i in sorted(keep)]


def link_pieces(ps):
    """Edges (i, j, days, kind): piece j follows piece i after `days` days."""
    marks = [{(c.name, t) for c in p.calls for t in (c.t0, c.t1)} for p in ps]
    edges = []
    for i, p in enumerate(ps):
        for j, q in enumerate(ps):
            if i == j:
                continue
            if i < j and marks[i] & marks[j]:
                edges.append((i, j, 0, 'same'))       # a stop drawn in both
                continue
            a, b = p.calls[-1], q.calls[0]
            (px, py), (qx, qy) = p.points[-1], q.points[0]
            if p.line == q.line and px == DAY and qx == 0 and py == qy:
                edges.append((i, j, 1, 'midnight'))
            elif a.d_open and b.a_open and a.name == b.name:
                edges.append((i, j, 1, 'midnight'))   # stop at midnight, two lines
            elif (a.last and b.first and a.name == b.name and not a.d_open
                  and not b.a_open and a.t1 > b.t0
                  and DAY - a.t1 + b.t0 <= MIDNIGHT_STOP_GAP):
                edges.append((i, j, 1, 'midnight'))   # stop cut at 23:59 / 00:0x
    linked_after = {i for i, _, d, _ in edges if d == 1}
    linked_before = {j for _, j, d, _ in edges if d == 1}
    for i, p in enumerate(ps):
        a = p.calls[-1]
        if i in linked_after or a.d_open or (a.dep is None and a.arr is not None):
            continue
        for j, q in enumerate(ps):
            b = q.calls[0]
            if (j == i or j in linked_before or q.line != p.line or b.a_open
                    or (b.arr is None and b.dep is not None) or b.name == a.name
                    or b.t0 >= a.t1):
                continue
            if missing_midnight(p, q):
                edges.append((i, j, 1, 'gap'))
    return edges


def missing_midnight(p, q):
    """True when q plausibly continues p on the same line the next day although
    the diagram draws no midnight crossing between them."""
    a, b = p.calls[-1], q.calls[0]
    step = b.km - a.km
    for d in ([a.km - p.calls[-2].km] if len(p.calls) > 1 else []) + \
             ([q.calls[1].km - b.km] if len(q.calls) > 1 else []):
        if d and (d > 0) != (step > 0):
            return False
    minutes = DAY - a.t1 + b.t0
    return abs(step) * 60 <= GAP_SPEED * minutes


def components(n, edges):
    """Connected groups of pieces with the day offset of each piece."""
    adj = collections.defaultdict(list)
    for i, j, d, _ in edges:
        adj[i].append((j, d))
        adj[j].append((i, -d))
    day, groups, conflict = {}, [], []
    for s in range(n):
        if s in day:
            continue
        day[s], group, stack, bad = 0, [s], [s], False
        while stack:
            u = stack.pop()
            for v, d in sorted(adj[u]):
                if v not in day:
                    day[v] = day[u] + d
                    group.append(v)
                    stack.append(v)
                elif day[v] != day[u] + d:
                    bad = True
        groups.append(sorted(group))
        conflict.append(bad)
    return groups, day, conflict


def assemble(number, ps, group, day, edges, blocked):
    """The run of one group of pieces, or (None, reason).

    blocked: line -> km of the stations no train passes without a stop."""
    items = []
    for k in group:
        base = day[k] * DAY
        for c in ps[k].calls:
            items.append((base + c.t0, base + c.t1, k, c))
    items.sort(key=lambda it: (it[0], it[1], it[2]))
    merged = []   # [name, t0, t1, has_arr, has_dep]
    for t0, t1, _, c in items:
        if merged and merged[-1][0] == c.name:
            m = merged[-1]
            m[1], m[2] = min(m[1], t0), max(m[2], t1)
            m[3] = m[3] or c.arr is not None
            m[4] = m[4] or c.dep is not None
        else:
            merged.append([c.name, t0, t1, c.arr is not None, c.dep is not None])
    if len(merged) < 2:
        return None, 'touches a single station of the covered lines'
    names = [m[0] for m in merged]
    if len(set(names)) != len(names):
        return None, 'its drawings disagree (a station twice or times out of order)'
    for a, b in zip(merged, merged[1:]):
        if b[1] < a[2]:
            return None, 'its drawings disagree (a station twice or times out of order)'
    # Distances between consecutive calls, from the piece that draws them.
    dist = collections.defaultdict(list)

    def stretch(a, b, line):
        lo, hi = sorted((a.km, b.km))
        if not any(lo < km < hi for km in blocked.get(line, [])):
            dist[(a.name, b.name)].append((hi - lo, line, a.km, b.km))

    for k in group:
        cl = ps[k].calls
        for a, b in zip(cl, cl[1:]):
            stretch(a, b, ps[k].line)
    for i, j, _, kind in edges:
        if kind != 'same' and i in group and ps[i].line == ps[j].line:
            stretch(ps[i].calls[-1], ps[j].calls[0], ps[i].line)
    km, total, stretches = [0], 0, [None]
    for a, b in zip(names, names[1:]):
        if not dist[(a, b)]:
            return None, 'leaves the covered lines and comes back to them'
        step, line, ka, kb = min(dist[(a, b)])
        total += step
        km.append(total)
        stretches.append((line, ka, kb))
    limit = MAX_SPEED.get(number[0], MAX_SPEED_OTHER)
    for a, b, k0, k1 in zip(merged, merged[1:], km, km[1:]):
        if (k1 - k0) * 60 > limit * max(b[1] - a[2], 0):
            return None, 'drawn across a route it does not take (too fast)'
    shift = (merged[0][2] // DAY) * DAY
    calls = []
    for i, m in enumerate(merged):
        arr = None if i == 0 else m[1] - shift
        dep = None if i == len(merged) - 1 else m[2] - shift
        calls.append([m[0], arr, dep, km[i]])
    run = Run([number] * len(calls), calls, 'diagram')
    if merged[0][3] and merged[0][1] < merged[0][2]:
        run.entry_arrival = merged[0][1] - shift
    if merged[-1][4] and merged[-1][1] < merged[-1][2]:
        run.exit_departure = merged[-1][2] - shift
    run.stretches = stretches
    return run, None


def join_diagram_trains(pieces, lines):
    """number -> Run, and number -> reason for the numbers left out."""
    blocked = {line: [s.km for s in lines.get(line, []) if s.name in names]
               for line, names in NO_THROUGH_RUNNING.items()}
    by_number = collections.defaultdict(list)
    for p in pieces:
        by_number[p.number].append(p)
    runs, left_out = {}, {}
    for number in sorted(by_number):
        run, why = join_number(number, by_number[number], blocked, False)
        if run is None:
            retry, _ = join_number(number, by_number[number], blocked, True)
            run = retry
        if run is None:
            left_out[number] = why
        else:
            runs[number] = run
    return runs, left_out


def join_number(number, pieces, blocked, keep_midnight):
    """The run of one train number, or (None, reason)."""
    ps = dedupe_pieces(pieces, keep_midnight)
    edges = link_pieces(ps)
    groups, day, conflict = components(len(ps), edges)
    found, reasons = [], []
    for g, bad in zip(groups, conflict):
        if bad:
            reasons.append('its drawings disagree (a station twice or times out of order)')
            continue
        run, why = assemble(number, ps, g, day, edges, blocked)
        if run:
            found.append(run)
        elif why != 'touches a single station of the covered lines':
            reasons.append(why)
    distinct = []
    for r in found:
        if all(r.calls != d.calls for d in distinct):
            distinct.append(r)
    if reasons:
        return None, sorted(reasons)[0]
    if not distinct:
        return None, 'touches a single station of the covered lines'
    if len(distinct) > 1:
        stations = [{c[0] for c in r.calls} for r in distinct]
        if any(a & b for i, a in enumerate(stations) for b in stations[i + 1:]):
            return None, 'drawn in several versions that differ'
        return None, 'leaves the covered lines and comes back to them'
    return distinct[0], None


def join_number_changes(runs):
    """Join runs where the data show one train going on under a new number.

    A run that leaves the covered lines at a stop (arrival and departure both
    drawn) and a run of the same letter and the other parity that comes onto
    them at that station with the same arrival and departure (within a
    minute) are one train 'A/B': it runs as A up to that stop and as B from
    it.  The joined run must not call at a station twice (that is a train
    turning back, not one going on), and only pairs in which each run has a
    single partner are joined.
    """
    def same_minute(s, t):
        return min((s - t) % DAY, (t - s) % DAY) <= 1

    starts = collections.defaultdict(list)
    for num in sorted(runs):
        if runs[num].entry_arrival is not None:
            starts[runs[num].calls[0][0]].append(num)
    pairs = []
    for a in sorted(runs):
        ra = runs[a]
        if ra.exit_departure is None:
            continue
        stop = ra.calls[-1]
        la, na = NUMBER_RE.fullmatch(a).groups()
        for b in starts.get(stop[0], []):
            rb = runs[b]
            lb, nb = NUMBER_RE.fullmatch(b).groups()
            names = [c[0] for c in ra.calls] + [c[0] for c in rb.calls[1:]]
            if (b != a and lb == la and int(na) % 2 != int(nb) % 2
                    and same_minute(stop[1], rb.entry_arrival)
                    and same_minute(ra.exit_departure, rb.calls[0][2])
                    and len(set(names)) == len(names)):
                pairs.append((a, b))
    count = collections.Counter([a for a, _ in pairs] + [b for _, b in pairs])
    pairs = [(a, b) for a, b in pairs if count[a] == 1 and count[b] == 1]
    for a, b in pairs:
        ra, rb = runs.pop(a), runs.pop(b)
        stop = ra.calls[-1]
        shift = round((stop[1] - rb.entry_arrival) / DAY) * DAY
        calls = [list(c) for c in ra.calls[:-1]]
        calls.append([stop[0], stop[1], rb.calls[0][2] + shift, stop[3]])
        for name, arr, dep, km in rb.calls[1:]:
            calls.append([name, arr + shift, None if dep is None else dep + shift,
                          stop[3] + km])
        run = Run([a] * (len(ra.calls) - 1) + [b] * len(rb.calls), calls, 'diagram')
        run.entry_arrival, run.exit_departure = ra.entry_arrival, rb.exit_departure
        run.stretches = ra.stretches + rb.stretches[1:]
        runs[a + '/' + b] = run
    return pairs


# --------------------------------------------------------------------------
# Schedules

def parse_clock(text):
    if not re.fullmatch(r'\d\d:\d\d', text):
        return None
    return int(text[:2]) * 60 + int(text[3:])


def read_schedules(folder, lines):
    """Schedule trains -> (runs by number, left-out numbers with reasons,
    station names, encoding of each file, number of repeated listings).

    A train listed again with the same calls is counted once."""
    runs, left_out, names, encodings = {}, {}, set(), {}
    seen, repeats = {}, 0
    for fn in sorted(os.listdir(folder)):
        if fn not in SCHEDULE_LINES:
            continue
        text, enc = read_text(os.path.join(folder, fn))
        encodings[fn] = enc
        line_km = {s.name: s.km for s in lines[SCHEDULE_LINES[fn]]}
        for block in re.split(r'\n\s*\n', text.strip()):
            rows = [r.split() for r in block.strip().splitlines()]
            number, rows = rows[0][0], rows[1:]
            for r in rows:
                r[1] = NAME_FIXES.get(r[1], r[1])
                names.add(r[1])
            calls, last_t, days = [], None, 0
            for i, r in enumerate(rows):
                arr, dep = parse_clock(r[2]), parse_clock(r[3])
                if i == 0:
                    arr = None
                if i == len(rows) - 1:
                    dep = None
                out = []
                for t in (arr, dep):
                    if t is None:
                        out.append(None)
                        continue
                    if last_t is not None and t + days * DAY < last_t:
                        days += 1
                    last_t = t + days * DAY
                    out.append(last_t)
                calls.append([r[1], out[0], out[1], None])
            if number in seen:
                if seen[number] != rows:
                    left_out[number] = 'listed twice in the schedules, differently'
                    runs.pop(number, None)
                repeats += 1
                continue
            seen[number] = rows
            off = [c[0] for c in calls if c[0] not in line_km]
            if off:
                left_out[number] = 'schedule: calls beyond its line table (no distance)'
                continue
            kms = [line_km[c[0]] for c in calls]
            steps = [b - a for a, b in zip(kms, kms[1:])]
            if any(s == 0 for s in steps) or len({s > 0 for s in steps}) > 1:
                left_out[number] = 'schedule: distances not in running order'
                continue
            for c, k in zip(calls, kms):
                c[3] = abs(k - kms[0])
            run = Run([number] * len(calls), calls, fn)
            run.stretches = [None] + [(SCHEDULE_LINES[fn], a, b)
                                      for a, b in zip(kms, kms[1:])]
            runs[number] = run
    return runs, left_out, names, encodings, repeats


# --------------------------------------------------------------------------
# Stations and their spelling keys

def gbk_length(name):
    try:
        return len(name.encode('gbk'))
    except UnicodeEncodeError:
        return None


def build_stations(lines, schedule_names, station_keys, unihan):
    """name -> (key, source of the key); names left out -> reason."""
    names = {s.name for stations in lines.values() for s in stations}
    names |= {n for n in schedule_names if not n.endswith('所')}
    stations, left_out = {}, {}
    for name in sorted(names):
        size = gbk_length(name)
        if len(name) > 5 or size is None or size > 10:
            left_out[name] = 'longer than five characters or ten GBK bytes'
            continue
        if name in station_keys:
            key, source = station_keys[name][:5], 'station list'
        else:
            missing = [c for c in name if c not in unihan]
            if missing:
                raise SystemExit('no Mandarin reading for %s in %s' % (''.join(missing), name))
            key, source = ''.join(unihan[c] for c in name)[:5], 'Unihan'
        if not re.fullmatch(r'[A-Z]{1,5}', key):
            raise SystemExit('bad key %r for %s' % (key, name))
        stations[name] = (key, source)
    return stations, left_out


# --------------------------------------------------------------------------
# Train attributes and fares

def attributes(number):
    """(class code, seats, aircon, fare plan) of a train by its first number."""
    letter, digits = NUMBER_RE.fullmatch(number).groups()
    if letter in ('G', 'C', 'D'):
        return {'G': 'G', 'C': '8', 'D': 'D'}[letter], '0600', '1', '1,0,0'
    if letter in ('Z', 'T', 'K'):
        return {'Z': '1', 'T': '2', 'K': 'A'}[letter], '1011', '1', '1,50,0'
    if letter == 'S':                       # suburban: seats only, plain tariff
        return 'S', '1000', '1', '1,0,0'
    if letter:                              # Y (tourist), P: sleeper trains
        return letter, '1011', '1', '1,50,0'
    if len(digits) == 4 and digits[0] in '12345':
        return '3', '1010', '1', '1,50,0'   # 普快
    return '4', '1000', '0', '1,0,0'        # 普客: 6xxx-8xxx


class Section:
    """Part of a line, km lo..hi of the line's table, priced by one segment."""

    def __init__(self, line, lo=0, hi=MAX_KM, lo_station=None, hi_station=None):
        self.line, self.lo, self.hi = line, lo, hi
        self.lo_station, self.hi_station = lo_station, hi_station

    def resolve(self, lines):
        km = {s.name: s.km for s in lines[self.line]}
        if self.lo_station:
            self.lo = km[self.lo_station]
        if self.hi_station:
            self.hi = km[self.hi_station]
        return self


# Trains with their own fare plans.  Segment 0 takes every km not in a
# section of a later segment; `surcharge` sections count in the seventh
# fare distance.  Kinds: 1 distance tariff, 2 distance merged into segment 0,
# 6 merged for hard classes and continuation for soft classes, 0
# continuation (fare of km + 900 less fare of 900), 4 band table, 5 band
# table for seats (berths on the whole distance), 7 fixed station fares,
# 8 fixed station fares with the distance tariff as fallback.
FARE_RULES = [
    dict(name='渝怀 (through trains)', trains=['K1272', 'K4512'],
         plan='1,50,0;5,50,0,201', sections={1: [Section('渝怀线')]}),
    dict(name='渝怀 (trains on that line only)', trains=['5609', '5610', 'K9509', 'K9510'],
         plan='1,50,0;4,50,0,201', sections={1: [Section('渝怀线')]}),
    dict(name='内六', trains=['5635', '5636', 'K854', 'K9501', 'K9503'],
         plan='1,50,0;4,50,0,147', sections={1: [Section('内六线')]}),
    dict(name='青藏', trains=['Z164', 'Z166', 'Z223', 'Z224', 'Z6801', 'Z6802'],
         plan='1,50,0;2,50,0,000;6,50,0,000',
         sections={1: [Section('兰青青藏线', hi_station='格尔木')],
                   2: [Section('兰青青藏线', lo_station='格尔木')]},
         surcharge=[Section('兰青青藏线', lo_station='格尔木')]),
    dict(name='兰新 west of 哈密', trains=['Z136', 'Z138'],
         plan='1,50,0;0,50,0,000',
         sections={1: [Section('兰新线', lo_station='哈密')]}),
    dict(name='广深', trains=['K4378', 'K9206', 'K9218', 'K9275', 'K9276'],
         plan='1,50,0;8,50,0,000',
         sections={1: [Section('京广线', lo_station='广州')]}),
    dict(name='fixed fares', trains=['G1', 'G2', 'G3', 'G4', 'C2001', 'C2002', 'C2003',
                                     'C2004', 'C2005', 'C2006'],
         plan='7,0,0', sections={}),
]

# Band tariffs of two joint-venture lines: code -> (line, hard-seat yuan a km).
BAND_TARIFFS = {
    '147': ('内六线', 0.090),
    '201': ('渝怀线', 0.080),
}

# Fixed fares (yuan) by station pair, both directions, for the trains of
# the kind 7 and 8 rules that call at both stations: (hard seat, soft seat,
# hard sleeper upper, middle, lower, soft sleeper upper, lower, second, first).
STATION_FARES = {
    ('北京南', '上海虹桥'): (0, 0, 0, 0, 0, 0, 0, 553, 933),
    ('北京南', '南京南'): (0, 0, 0, 0, 0, 0, 0, 443.5, 748.5),
    ('北京南', '济南西'): (0, 0, 0, 0, 0, 0, 0, 184.5, 309.5),
    ('济南西', '南京南'): (0, 0, 0, 0, 0, 0, 0, 259, 439),
    ('济南西', '上海虹桥'): (0, 0, 0, 0, 0, 0, 0, 368.5, 623.5),
    ('南京南', '上海虹桥'): (0, 0, 0, 0, 0, 0, 0, 134.5, 219.5),
    ('北京南', '天津'): (0, 0, 0, 0, 0, 0, 0, 54.5, 66),
    ('广州东', '深圳'): (28, 42, 73, 76, 79, 110, 117, 0, 0),
    ('广州东', '东莞'): (16, 24, 61, 64, 67, 92, 99, 0, 0),
    ('东莞', '深圳'): (14, 21, 59, 62, 65, 89, 96, 0, 0),
}

# Trains' own percentages: train -> (common, hard seat, soft seat, berth).
RATES = {number: (20, 0, 0, 0) for number in
         ['Y505', 'Y506', 'Y509', 'Y510', 'Y512', 'Y514', 'Y535', 'Y536',
          'Y667', 'Y669', 'Y691', 'Y692']}
RATES.update({'T197': (0, 0, 0, 10), 'T198': (0, 0, 0, 10)})


def band_rows(code, line_length, rate):
    """Distance bands of a tariff up to the line length and 400 km: 10 km
    wide to 100 km, 20 km to 400, 50 km beyond.  Amounts at the middle of
    each band: hard seat `rate` yuan a km, soft seat twice that, express 20 %
    of the hard seat, hard berths 110/120/130 % of it plus 6 yuan, soft
    berths 175/195 % plus 10, air-conditioning 25 % (only in the set for
    air-conditioned trains)."""
    bands, lo = [], 1
    top = max(line_length, 400)
    while lo <= top:
        width = 10 if lo <= 100 else 20 if lo <= 400 else 50
        hi = lo + width - 1
        mid = (lo + hi) / 2
        seat = max(1, round_half_up(mid * rate))
        base = [seat, 2 * seat, max(1, round_half_up(seat * 0.2)),
                round_half_up(seat * 1.1) + 6, round_half_up(seat * 1.2) + 6,
                round_half_up(seat * 1.3) + 6, round_half_up(seat * 1.75) + 10,
                round_half_up(seat * 1.95) + 10]
        bands.append([code, lo, hi] + base + [0] + base + [max(1, round_half_up(seat * 0.25))])
        lo = hi + 1
    return bands


def round_half_up(x):
    return int(x + 0.5)


def fare_distances(run, rule):
    """Seven cumulative fare distances at every call of a train of a rule."""
    def km_in(sections, line, lo, hi):
        return sum(max(0, min(hi, s.hi) - max(lo, s.lo)) for s in sections if s.line == line)

    totals = [0] * 7
    rows = [list(totals)]
    for a, b, (line, ka, kb) in zip(run.calls, run.calls[1:], run.stretches[1:]):
        lo, hi = min(ka, kb), max(ka, kb)
        step = [0] * 7
        for s, sections in rule['sections'].items():
            step[s] = km_in(sections, line, lo, hi)
        step[0] = (b[3] - a[3]) - sum(step)
        step[6] = km_in(rule.get('surcharge', []), line, lo, hi)
        totals = [t + d for t, d in zip(totals, step)]
        rows.append(list(totals))
    return rows



# --------------------------------------------------------------------------
# Putting the timetable together

def number_key(text):
    letter, digits = NUMBER_RE.fullmatch(text.split('/')[0]).groups()
    return (letter, int(digits), text)


def hhmm(t):
    return '' if t is None else '%02d%02d' % ((t % DAY) // 60, t % 60)


def build_trains(diagram_runs, schedule_runs, stations):
    """train text -> run; and left-out train numbers with reasons."""
    trains, left_out = {}, {}
    for text, run in diagram_runs.items():
        trains[text] = run
    taken = {n for text in trains for n in text.split('/')}
    for number, run in schedule_runs.items():
        if number in taken:
            left_out[number] = 'schedule: the 2021 diagrams have this number'
        else:
            trains[number] = run
    for text in sorted(trains):
        run = trains[text]
        if any(c[0] not in stations for c in run.calls):
            left_out[text] = 'calls at a station left out'
        elif len(run.calls) > MAX_TRAIN_CALLS:
            left_out[text] = 'more than %d calls' % MAX_TRAIN_CALLS
        elif max(t for c in run.calls for t in c[1:3] if t is not None) >= (MAX_DAY + 1) * DAY:
            left_out[text] = 'runs into a fifth day'
        elif run.calls[-1][3] > MAX_KM:
            left_out[text] = 'longer than %d km' % MAX_KM
        else:
            continue
        del trains[text]
    return trains, left_out


def apply_fare_rules(trains, lines):
    """train text -> (plan, fare distance rows); checks every rule train."""
    plans = {}
    for rule in FARE_RULES:
        for secs in list(rule['sections'].values()) + [rule.get('surcharge', [])]:
            for sec in secs:
                sec.resolve(lines)
        for number in rule['trains']:
            if number not in trains:
                raise SystemExit('fare rule %s: no train %s' % (rule['name'], number))
            run = trains[number]
            rows = fare_distances(run, rule) if rule['sections'] else None
            if rows and any(rows[-1][s] == 0 for s in rule['sections']):
                raise SystemExit('fare rule %s: %s runs no km in a section'
                                 % (rule['name'], number))
            plans[number] = (rule['plan'], rows)
    return plans


def table_rows(trains, stations, plans, lines):
    station_rows = [[name, key] for name, (key, _) in sorted(stations.items())]
    train_rows, stop_rows = [], []
    for text in sorted(trains, key=number_key):
        run = trains[text]
        cls, seats, aircon, plan = attributes(text.split('/')[0])
        plan, fare_km = plans.get(text, (plan, None))
        train_rows.append([text, cls, seats, aircon, plan])
        dual = '/' in text
        for i, (name, arr, dep, km) in enumerate(run.calls):
            day = (dep if dep is not None else arr) // DAY
            stop_rows.append([text, name, hhmm(arr), hhmm(dep), str(day), str(km),
                              run.numbers[i] if dual else '',
                              ','.join(map(str, fare_km[i])) if fare_km else ''])
    band_rows_all = []
    for code in sorted(BAND_TARIFFS):
        line, rate = BAND_TARIFFS[code]
        length = max(s.km for s in lines[line]) - min(s.km for s in lines[line])
        band_rows_all += band_rows(code, length, rate)
    fare_rows = []
    fixed = [t for t, (p, _) in plans.items()
             if any(seg.split(',')[0] in '78' for seg in p.split(';'))]
    for text in sorted(fixed, key=number_key):
        order = {c[0]: i for i, c in enumerate(trains[text].calls)}
        for (a, b), amounts in sorted(STATION_FARES.items()):
            for x, y in ((a, b), (b, a)):
                if x in order and y in order and order[x] < order[y]:
                    fare_rows.append([x, y, text] + [str(round_half_up(v * 10)) for v in amounts])
    rate_rows = [[t] + [str(v) for v in RATES[t]]
                 for t in sorted(RATES, key=number_key) if t in trains]
    missing = sorted(set(RATES) - set(trains))
    if missing:
        raise SystemExit('rates for missing trains: %s' % ' '.join(missing))
    return station_rows, train_rows, stop_rows, band_rows_all, fare_rows, rate_rows


# --------------------------------------------------------------------------
# Checks of the finished tables (the limits and references of the format)

def check_tables(station_rows, train_rows, stop_rows, band_rows_all, fare_rows, rate_rows):
    errors = []

    def err(msg):
        errors.append(msg)

    names = [r[0] for r in station_rows]
    if len(set(names)) != len(names):
        err('station names not unique')
    for name, key in station_rows:
        if not (1 <= len(name) <= 5 and (gbk_length(name) or 99) <= 10 and ' ' not in name):
            err('station name %r' % name)
        if not re.fullmatch(r'[A-Z]{1,5}', key):
            err('station key %r of %s' % (key, name))
    if not 1 <= len(station_rows) <= MAX_STATIONS:
        err('%d stations' % len(station_rows))
    station_set = set(names)

    texts = [r[0] for r in train_rows]
    if len(set(texts)) != len(texts):
        err('train texts not unique')
    if not 1 <= len(train_rows) <= MAX_TRAINS:
        err('%d trains' % len(train_rows))
    all_numbers = collections.Counter()
    tariffs_used = set()
    for text, cls, seats, aircon, plan in train_rows:
        if len(text) > 19 or gbk_length(text) is None:
            err('train text %r' % text)
        for n in text.split('/'):
            all_numbers[n] += 1
            if not (VALID_NUMBER_RE.fullmatch(n) and len(n) <= 5):
                err('train number %r' % n)
        if len(cls) != 1 or not re.fullmatch(r'[01][0-7][01][01]', seats) or aircon not in '01':
            err('attributes of %s' % text)
        segs = plan.split(';')
        if len(segs) > 6:
            err('fare plan of %s has %d segments' % (text, len(segs)))
        for i, seg in enumerate(segs):
            f = seg.split(',')
            if len(f) != (3 if i == 0 else 4) or len(f[0]) != 1 or \
                    not all(x.isdigit() and int(x) <= 99 for x in f[1:3]) or \
                    (i and len(f[3]) != 3):
                err('fare segment %r of %s' % (seg, text))
            elif f[0] in '45':
                tariffs_used.add(f[3] if i else '')
    for n, c in all_numbers.items():
        if c > 1:
            err('train number %s used by %d trains' % (n, c))

    if len(stop_rows) > MAX_CALLS:
        err('%d calls' % len(stop_rows))
    by_train = collections.defaultdict(list)
    for row in stop_rows:
        by_train[row[0]].append(row)
    if set(by_train) != set(texts):
        err('trains without calls or calls of unknown trains')
    for text, rows in by_train.items():
        if not 2 <= len(rows) <= MAX_TRAIN_CALLS:
            err('%s has %d calls' % (text, len(rows)))
        last_t, last_km, last_fare, seen = -1, 0, [0] * 7, set()
        for i, (_, name, arr, dep, day, km, run, fare_km) in enumerate(rows):
            where = '%s call %d (%s)' % (text, i + 1, name)
            if name not in station_set:
                err('%s: unknown station' % where)
            if name in seen:
                err('%s: station twice' % where)
            seen.add(name)
            if (i == 0) != (arr == '') or (i == len(rows) - 1) != (dep == ''):
                err('%s: arrive/depart' % where)
            if not day.isdigit() or int(day) > MAX_DAY:
                err('%s: day %s' % (where, day))
            times = []
            for t in (arr, dep):
                if t:
                    if not (re.fullmatch(r'\d{4}', t) and int(t[:2]) < 24 and int(t[2:]) < 60):
                        err('%s: time %r' % (where, t))
                        continue
                    times.append(int(t[:2]) * 60 + int(t[2:]))
            # absolute times: the call's day belongs to its departure
            d = int(day) * DAY
            if dep and arr and times[0] > times[1]:
                abs_times = [times[0] + d - DAY, times[1] + d]
            else:
                abs_times = [t + d for t in times]
            for t in abs_times:
                if t < last_t:
                    err('%s: time goes back' % where)
                last_t = t
            if not km.isdigit() or int(km) > MAX_KM or int(km) < last_km or (i == 0 and km != '0'):
                err('%s: km %s' % (where, km))
            last_km = int(km)
            if run and not (len(run) <= 5 and run in text.split('/')):
                err('%s: run %s' % (where, run))
            if fare_km:
                f = fare_km.split(',')
                if len(f) != 7 or not all(x.isdigit() and int(x) <= MAX_KM for x in f):
                    err('%s: fare_km %s' % (where, fare_km))
                else:
                    values = [int(x) for x in f]
                    if any(v < w for v, w in zip(values, last_fare)):
                        err('%s: fare_km goes back' % where)
                    last_fare = values
        if len({bool(r[7]) for r in rows}) > 1:
            err('%s: fare_km on some calls only' % text)

    bands = collections.defaultdict(list)
    for row in band_rows_all:
        bands[row[0]].append((row[1], row[2]))
        if len(row[0]) != 3 or not all(0 <= v <= 999 for v in row[3:]):
            err('band row %s' % row[:3])
    for code, spans in bands.items():
        for (lo1, hi1), (lo2, hi2) in zip(spans, spans[1:]):
            if not (lo1 <= hi1 < lo2 <= hi2):
                err('bands of %s overlap or are out of order' % code)
    for code in tariffs_used - {''}:
        if code not in bands:
            err('tariff %s has no bands' % code)

    calls_at = {t: [r[1] for r in rows] for t, rows in by_train.items()}
    keys = set()
    for row in fare_rows:
        a, b, t = row[:3]
        if t not in calls_at or a not in calls_at[t] or b not in calls_at[t] or \
                calls_at[t].index(a) >= calls_at[t].index(b):
            err('station fare %s' % row[:3])
        if (a, b, t) in keys:
            err('station fare %s twice' % row[:3])
        keys.add((a, b, t))
        if not all(0 <= int(v) <= 99999 for v in row[3:]):
            err('station fare amounts %s' % row[:3])
    for row in rate_rows:
        if row[0] not in calls_at or not all(0 <= int(v) <= 99 for v in row[1:]):
            err('rate row %s' % row)
    return errors


# --------------------------------------------------------------------------
# Output

STATION_COLUMNS = ['name', 'key']
TRAIN_COLUMNS = ['train', 'class', 'seats', 'aircon', 'fares']
STOP_COLUMNS = ['train', 'station', 'arrive', 'depart', 'day', 'km', 'run', 'fare_km']
BAND_COLUMNS = ['tariff', 'from_km', 'to_km'] + [
    p + c for p in ('', 'ac_') for c in
    ('hard_seat', 'soft_seat', 'express', 'hs_upper', 'hs_middle', 'hs_lower',
     'ss_upper', 'ss_lower', 'aircon')]
STATION_FARE_COLUMNS = ['from', 'to', 'train', 'hard_seat', 'soft_seat', 'hs_upper',
                        'hs_middle', 'hs_lower', 'ss_upper', 'ss_lower', 'second', 'first']
RATE_COLUMNS = ['train', 'common', 'hard_seat', 'soft_seat', 'berth']
HEADER = '# Derived from the real railway data by sample-data/derive/derive_sample.py.\n' \
         '# Do not edit by hand: change the script and run it again.\n'


def write_table(path, columns, rows):
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(HEADER)
        f.write('\t'.join(columns) + '\n')
        for row in rows:
            f.write('\t'.join(str(v) for v in row) + '\n')


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('real_data', help='folder of the real railway data')
    ap.add_argument('out', help='folder for the timetable source')
    ap.add_argument('--unihan', default=DEFAULT_UNIHAN,
                    help='Unihan_Readings.txt.bz2 (Debian package unicode-data)')
    args = ap.parse_args(argv)
    real = args.real_data

    station_keys = read_station_list(os.path.join(real, 'station_name.js'))
    unihan = read_unihan(args.unihan)
    lines = read_lines(os.path.join(real, 'lines'))
    pieces = read_diagrams(os.path.join(real, 'graphs'), lines)
    diagram_runs, diagram_left = join_diagram_trains(pieces, lines)
    number_changes = join_number_changes(diagram_runs)
    schedule_runs, schedule_left, schedule_names, encodings, repeats = \
        read_schedules(os.path.join(real, 'schedules'), lines)
    stations, stations_left = build_stations(lines, schedule_names, station_keys, unihan)
    trains, trains_left = build_trains(diagram_runs, schedule_runs, stations)
    plans = apply_fare_rules(trains, lines)
    tables = table_rows(trains, stations, plans, lines)
    errors = check_tables(*tables)
    if errors:
        for e in errors[:50]:
            print('error:', e, file=sys.stderr)
        raise SystemExit('%d errors; nothing written' % len(errors))

    os.makedirs(args.out, exist_ok=True)
    with open(os.path.join(args.out, 'version.txt'), 'w', newline='\n') as f:
        f.write('%d\n' % VERSION)
    station_rows, train_rows, stop_rows, bands, fare_rows, rate_rows = tables
    write_table(os.path.join(args.out, 'stations.tsv'), STATION_COLUMNS, station_rows)
    write_table(os.path.join(args.out, 'trains.tsv'), TRAIN_COLUMNS, train_rows)
    write_table(os.path.join(args.out, 'stops.tsv'), STOP_COLUMNS, stop_rows)
    write_table(os.path.join(args.out, 'fare_bands.tsv'), BAND_COLUMNS, bands)
    write_table(os.path.join(args.out, 'station_fares.tsv'), STATION_FARE_COLUMNS, fare_rows)
    write_table(os.path.join(args.out, 'rates.tsv'), RATE_COLUMNS, rate_rows)

    # Summary
    key_sources = collections.Counter(src for _, src in stations.values())
    print('stations: %d (keys: %d from the station list, %d from Unihan); left out: %d %s'
          % (len(stations), key_sources['station list'], key_sources['Unihan'],
             len(stations_left), ' '.join(sorted(stations_left))))
    print('diagram pieces: %d; train numbers drawn: %d' % (
        len(pieces), len({p.number for p in pieces})))
    print('number changes joined: %d %s' % (
        len(number_changes), ' '.join('%s/%s' % p for p in number_changes)))
    print('schedule encodings: %s; repeated listings: %d' % (
        ', '.join('%s %s' % kv for kv in sorted(encodings.items())), repeats))
    left = collections.Counter()
    for reason in list(diagram_left.values()) + list(schedule_left.values()) + \
            list(trains_left.values()):
        left[reason] += 1
    print('trains: %d (from diagrams %d, from schedules %d); calls: %d' % (
        len(trains), sum(r.source == 'diagram' for r in trains.values()),
        sum(r.source != 'diagram' for r in trains.values()), len(stop_rows)))
    by_class = collections.Counter(r[1] for r in train_rows)
    print('by class: %s' % ' '.join('%s=%d' % kv for kv in sorted(by_class.items())))
    print('runs cut where they leave or enter the covered lines: %d' % sum(
        (r.entry_arrival is not None) or (r.exit_departure is not None)
        for r in trains.values()))
    print('left out: %d' % sum(left.values()))
    for reason, n in sorted(left.items(), key=lambda kv: (-kv[1], kv[0])):
        print('  %5d  %s' % (n, reason))
    print('fare plans of their own: %d trains; bands: %d; station fares: %d; rates: %d'
          % (len(plans), len(bands), len(fare_rows), len(rate_rows)))


if __name__ == '__main__':
    main()
