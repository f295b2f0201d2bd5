"""Tests of the sample derivation on small hand-made inputs.

    python3 -m unittest discover -s sample-data/derive
"""

import os
import tempfile
import unittest

import derive_sample as ds


def line(*stations):
    """A line table from (name, km[, branch]) tuples, blocks as read_lines makes them."""
    out, block, last = [], -1, None
    for s in stations:
        branch = len(s) > 2 and s[2]
        if branch != last:
            block, last = block + 1, branch
        out.append(ds.LineStation(s[0], s[1], branch, block))
    return out


LINES = {
    'L1': line(('甲', 0), ('乙', 100), ('丙', 200), ('丁', 300)),
    'L2': line(('丙', 0), ('戊', 50), ('己', 120)),
    'L3': line(('子', 0), ('丑', 10), ('寅', 20, True), ('卯', 30, True), ('辰', 20)),
}


def piece(line_name, number, points):
    p = ds.Piece(line_name, '', number, '', points)
    p.calls = ds.piece_calls(p, LINES[line_name])
    return p


def calls_of(run):
    return [(c[0], ds.hhmm(c[1]), ds.hhmm(c[2]), c[3]) for c in run.calls]


class PieceCalls(unittest.TestCase):
    def test_stops_ends_and_midnight(self):
        p = piece('L1', 'K1', [(1300, 0), (1380, 100), (1390, 100), (1440, 150)])
        self.assertEqual([(c.name, c.arr, c.dep) for c in p.calls],
                         [('甲', None, 1300), ('乙', 1380, 1390)])
        q = piece('L1', 'K1', [(0, 150), (30, 200), (35, 200), (90, 300)])
        self.assertEqual([(c.name, c.arr, c.dep) for c in q.calls],
                         [('丙', 30, 35), ('丁', 90, None)])

    def test_stop_across_midnight(self):
        p = piece('L1', 'K1', [(1300, 0), (1430, 100), (1440, 100)])
        self.assertEqual((p.calls[-1].arr, p.calls[-1].dep, p.calls[-1].d_open),
                         (1430, None, True))

    def test_shared_km_goes_to_the_block_of_the_other_stops(self):
        on_branch = piece('L3', 'S1', [(600, 10), (610, 20), (620, 30)])
        on_main = piece('L3', 'S2', [(600, 0), (605, 10), (615, 20)])
        self.assertEqual(on_branch.calls[1].name, '寅')
        self.assertEqual(on_main.calls[2].name, '辰')


class Joining(unittest.TestCase):
    def join(self, *pieces):
        return ds.join_diagram_trains(list(pieces), LINES)

    def test_midnight_and_junction(self):
        runs, left = self.join(
            piece('L1', 'K1', [(1300, 0), (1380, 100), (1390, 100), (1440, 150)]),
            piece('L1', 'K1', [(0, 150), (30, 200), (35, 200)]),
            piece('L2', 'K1', [(30, 0), (35, 0), (80, 50), (82, 50), (130, 120)]))
        self.assertEqual(left, {})
        self.assertEqual(calls_of(runs['K1']), [
            ('甲', '', '2140', 0), ('乙', '2300', '2310', 100), ('丙', '0030', '0035', 200),
            ('戊', '0120', '0122', 250), ('己', '0210', '', 320)])
        self.assertEqual(runs['K1'].calls[2][2] // ds.DAY, 1)

    def test_missing_midnight_crossing(self):
        runs, left = self.join(piece('L1', 'K2', [(1400, 0)]),
                               piece('L1', 'K2', [(40, 100), (45, 100), (100, 200)]))
        self.assertEqual(calls_of(runs['K2']),
                         [('甲', '', '2320', 0), ('乙', '0040', '0045', 100),
                          ('丙', '0140', '', 200)])

    def test_too_fast_for_a_missing_crossing(self):
        runs, left = self.join(piece('L1', 'K3', [(1430, 0)]),
                               piece('L1', 'K3', [(10, 300)]))
        self.assertNotIn('K3', runs)

    def test_leaving_and_coming_back_is_left_out(self):
        runs, left = self.join(piece('L1', 'K4', [(600, 0), (660, 100)]),
                               piece('L3', 'K4', [(900, 0), (910, 10)]))
        self.assertEqual(runs, {})
        self.assertEqual(left['K4'], 'leaves the covered lines and comes back to them')

    def test_single_station_is_left_out(self):
        runs, left = self.join(piece('L1', 'K5', [(600, 100), (605, 100)]))
        self.assertEqual(left['K5'], 'touches a single station of the covered lines')

    def test_through_running_at_a_blocked_station(self):
        blocked = dict(ds.NO_THROUGH_RUNNING)
        ds.NO_THROUGH_RUNNING.clear()
        ds.NO_THROUGH_RUNNING['L1'] = ['乙']
        try:
            runs, left = self.join(piece('L1', 'G6', [(600, 0), (640, 200)]))
        finally:
            ds.NO_THROUGH_RUNNING.clear()
            ds.NO_THROUGH_RUNNING.update(blocked)
        self.assertIn('G6', left)


class NumberChanges(unittest.TestCase):
    def test_going_on_under_a_new_number(self):
        runs, _ = ds.join_diagram_trains([
            piece('L1', 'K7', [(600, 0), (700, 100), (710, 100)]),
            piece('L1', 'K10', [(700, 100), (710, 100), (800, 200)])], LINES)
        # K10 starts with K7's last stop at 乙 and goes on: one train, two numbers
        pairs = ds.join_number_changes(runs)
        self.assertEqual(pairs, [('K7', 'K10')])
        run = runs['K7/K10']
        self.assertEqual([c[0] for c in run.calls], ['甲', '乙', '丙'])
        self.assertEqual(run.numbers, ['K7', 'K10', 'K10'])
        self.assertEqual(run.calls[1][1:3], [700, 710])

    def test_turning_back_is_not_joined(self):
        runs, _ = ds.join_diagram_trains([
            piece('L1', 'K7', [(600, 0), (700, 100), (710, 100)]),
            piece('L1', 'K10', [(700, 100), (710, 100), (800, 0)])], LINES)
        self.assertEqual(ds.join_number_changes(runs), [])


class Schedules(unittest.TestCase):
    def test_midnight_distances_and_repeats(self):
        text = ('G1\n01\t甲\t----\t23:30\t----\n02\t乙\t23:58\t00:02\t4分钟\n'
                '03\t丙\t00:40\t00:40\t----\n\n'
                'G1\n01\t甲\t----\t23:30\t----\n02\t乙\t23:58\t00:02\t4分钟\n'
                '03\t丙\t00:40\t00:40\t----\n\n'
                'G3\n01 甲 ---- 08:00\n02 午 09:00 ----\n')
        with tempfile.TemporaryDirectory() as folder:
            name = '2017-09-21_京沪高速_下行.txt'
            with open(os.path.join(folder, name), 'wb') as f:
                f.write(text.encode('gbk'))
            lines = {'京沪高速线': LINES['L1']}
            runs, left, names, enc, repeats = ds.read_schedules(folder, lines)
        self.assertEqual(enc[name], 'gbk')
        self.assertEqual(repeats, 1)
        self.assertEqual(calls_of(runs['G1']), [
            ('甲', '', '2330', 0), ('乙', '2358', '0002', 100), ('丙', '0040', '', 200)])
        self.assertEqual(runs['G1'].calls[2][1] // ds.DAY, 1)
        self.assertIn('G3', left)
        self.assertIn('午', names)


class FareDistances(unittest.TestCase):
    def test_stretch_split_at_a_section_boundary(self):
        run = ds.Run(['K1'] * 3, [['甲', None, 600, 0], ['乙', 700, 705, 100],
                                  ['丙', 800, None, 200]], 'diagram')
        run.stretches = [None, ('L1', 0, 100), ('L1', 100, 200)]
        rule = dict(sections={1: [ds.Section('L1', 150, 300)]},
                    surcharge=[ds.Section('L1', 180, 300)])
        self.assertEqual(ds.fare_distances(run, rule),
                         [[0] * 7, [100, 0, 0, 0, 0, 0, 0], [150, 50, 0, 0, 0, 0, 20]])


class TableChecks(unittest.TestCase):
    def tables(self, stops):
        stations = [['甲', 'J'], ['乙', 'Y']]
        trains = [['K1', 'A', '1011', '1', '1,50,0']]
        return ds.check_tables(stations, trains, stops, [], [], [])

    def test_a_good_train(self):
        self.assertEqual(self.tables([['K1', '甲', '', '2330', '0', '0', '', ''],
                                      ['K1', '乙', '0010', '', '1', '40', '', '']]), [])

    def test_time_going_back_and_unknown_station(self):
        errors = self.tables([['K1', '甲', '', '2330', '0', '0', '', ''],
                              ['K1', '丙', '2300', '', '0', '40', '', '']])
        self.assertTrue(any('time goes back' in e for e in errors))
        self.assertTrue(any('unknown station' in e for e in errors))

    def test_band_overlap(self):
        bands = [['147', 1, 10] + [1] * 18, ['147', 10, 20] + [1] * 18]
        errors = ds.check_tables([['甲', 'J']], [], [], bands, [], [])
        self.assertTrue(any('overlap' in e for e in errors))


if __name__ == '__main__':
    unittest.main()
