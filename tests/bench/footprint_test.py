#!/usr/bin/python3
"""What bench/footprint reads from /proc and how it judges its goals, on fake trees and tables.
usage: footprint_test.py PATH/TO/bench/footprint/footprint"""

import importlib.machinery
import os
import shutil
import sys
import tempfile
import types
import unittest

# The script has no .py suffix, so it is loaded as a module by hand.
loader = importlib.machinery.SourceFileLoader("footprint", sys.argv.pop(1))
footprint = types.ModuleType("footprint")
footprint.__file__ = loader.path
loader.exec_module(footprint)

ROLLUP = """55d0c8a6d000-7ffc4b5fe000 ---p 00000000 00:00 0                          [rollup]
Rss:               40000 kB
Pss:               25600 kB
Pss_Dirty:         20000 kB
Pss_Anon:          18000 kB
Pss_File:           7600 kB
Pss_Shmem:             0 kB
Shared_Clean:      12000 kB
Shared_Dirty:       1000 kB
Private_Clean:      3072 kB
Private_Dirty:     18432 kB
Referenced:        40000 kB
Anonymous:         18000 kB
{hugetlb}Swap:                  0 kB
SwapPss:               0 kB
Locked:                0 kB
"""


class ProcTree(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.proc = self.folder.name

    def tearDown(self):
        self.folder.cleanup()

    def write(self, path, text):
        path = os.path.join(self.proc, path)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(text)

    def test_memory_is_pss_and_the_private_pages_not_the_pss_parts(self):
        cases = [
            ("with huge pages", "Private_Hugetlb:    2048 kB\n", (25.0, 23.0)),
            ("an older kernel without them", "", (25.0, 21.0)),
        ]
        for label, hugetlb, expected in cases:
            with self.subTest(label):
                self.write("42/smaps_rollup", ROLLUP.format(hugetlb=hugetlb))
                self.assertEqual(footprint.memory_mib(42, self.proc), expected)

    def test_cpu_counts_every_thread_including_those_that_end_or_begin(self):
        self.write("7/task/7/schedstat", "1500000000 200 5\n")
        self.write("7/task/8/schedstat", "500000000 1 1\n")
        self.write("7/task/9/comm", "ended\n")  # a thread that ended between listing and reading
        self.write("7/task/10/schedstat", "\n")
        meter = footprint.CpuMeter(7, self.proc)
        self.assertEqual(meter.seconds(), 0)
        self.write("7/task/7/schedstat", "2000000000 210 6\n")
        self.write("7/task/8/schedstat", "800000000 2 2\n")
        meter.sample()
        # Thread 8 ends, keeping what it spent until the last sample; thread 11 begins.
        shutil.rmtree(os.path.join(self.proc, "7/task/8"))
        self.write("7/task/11/schedstat", "250000000 1 1\n")
        meter.sample()
        self.assertAlmostEqual(meter.seconds(), 0.5 + 0.3 + 0.25)


def row(icon=None, cpu=None, pss=None, pss2=None):
    return {"icon_ms": icon, "cpu": cpu, "pss": pss, "uss": None, "cpu2": None, "pss2": pss2, "uss2": None}


REF = footprint.Reference.name


class Goals(unittest.TestCase):
    def verdicts(self, medians):
        return footprint.goals(medians)

    def test_each_goal_met_or_missed_by_how_much(self):
        others = {"workrave": row(300, 1.2, 53, 56), "safeeyes": row(2100, 2.4, 61, 63), "rsibreak": row(1000, 2.2, 66, 60)}
        cases = [
            ("all met", row(100, 0.25, 25, 45), 0.23,
             [True, True, True, True, True], []),
            ("all missed", row(400, 0.56, 55, 70), 0.23,
             [False, False, False, False, False],
             ["missed by 100 ms", "missed by 0.27 s/hour over 0.29", "missed by 2.0 MiB", "missed by 14.0 MiB",
              "missed by 15.0 MiB"]),
            # "within 1.25 x" includes the bound; "sooner" and "under" do not.
            ("on the bounds", row(300, 0.25, 40, 60), 0.2,
             [False, True, True, False, False], ["missed by 0 ms"]),
        ]
        for label, tarnwick, floor, met, misses in cases:
            with self.subTest(label):
                got = self.verdicts({"Tarnwick": tarnwick, REF: row(cpu=floor), **others})
                self.assertEqual([m for m, _ in got], met)
                for miss in misses:
                    self.assertTrue(any(miss in text for _, text in got), f"{miss!r} not in {got}")

    def test_compares_with_the_best_other_whatever_its_place(self):
        got = self.verdicts({"Tarnwick": row(500, None, 58, None), "workrave": row(900, None, 70, None),
                             "safeeyes": row(None, None, 57, None), "rsibreak": row(450, None, 80, None)})
        texts = [t for _, t in got]
        self.assertIn("the soonest other rsibreak 450 ms", texts[0])
        self.assertIn("the least other safeeyes 57.0 MiB", texts[1])

    def test_leaves_out_goals_without_measures(self):
        cases = [
            ("no other program", {"Tarnwick": row(100, 0.3, 30, 40), REF: row(cpu=0.25)}, 2),
            ("no break came", {"Tarnwick": row(100, 0.3, 30, None), REF: row(cpu=0.25),
                               "workrave": row(300, 1, 50, 52)}, 4),
            ("no floor", {"Tarnwick": row(100, 0.3, 30, 40), "workrave": row(300, 1, 50, 52)}, 4),
            ("no Tarnwick", {REF: row(cpu=0.25), "workrave": row(300, 1, 50, 52)}, 0),
        ]
        for label, medians, count in cases:
            with self.subTest(label):
                self.assertEqual(len(self.verdicts(medians)), count)

    def test_median_skips_missing_runs(self):
        for values, expected in (([3, None, 1, 2], 2), ([None], None), ([4, 1], 2.5)):
            with self.subTest(values=values):
                self.assertEqual(footprint.median(values), expected)


if __name__ == "__main__":
    unittest.main(verbosity=1)
