#!/usr/bin/env python3
"""Counts the test cases of a test command run and prints "N passed, N failed" as its last line.

usage: summarise_tests.py [--failed STEP]... CTEST_JUNIT[:DETAILS_DIR]...

Each CTEST_JUNIT is the --output-junit report of one ctest run. A ctest test that ran a whole
test program (a GoogleTest executable under Wine, an end-to-end module) is counted by its cases,
from DETAILS_DIR/<test name>.xml; other ctest tests count as one case each. A ctest test that
failed without a failing case in its report (a crash, a timeout) counts one failure more. Each
--failed STEP (a set-up or build step that failed) counts as one failure. A program run again
after a failure keeps its first report as DETAILS_DIR/<test name>.first.xml; each case that failed
there is named with "RETRIED:", so a flaky case shows even when its second run passed.
Exit code 0 when nothing failed.
"""
import argparse
import os
import sys
import xml.etree.ElementTree as ElementTree

HARNESS_PREFIX = "wine_harness_"


class Tally:
    def __init__(self):
        self.passed = 0
        self.failed = 0
        self.skipped = 0
        self.failures = []
        self.retried = []

    def add(self, outcome, name):
        if outcome == "passed":
            self.passed += 1
        elif outcome == "skipped":
            self.skipped += 1
        else:
            self.failed += 1
            self.failures.append(name)


def case_outcome(case):
    if case.find("failure") is not None or case.find("error") is not None:
        return "failed"
    if case.find("skipped") is not None or case.get("status") in ("notrun", "disabled"):
        return "skipped"
    return "passed"


def count_report(path, prefix, tally):
    """Adds the cases of a detailed report; returns how many of them failed."""
    failed_before = tally.failed
    for case in ElementTree.parse(path).iter("testcase"):
        name = f"{prefix}: {case.get('classname', '')}.{case.get('name', '')}"
        tally.add(case_outcome(case), name)
    return tally.failed - failed_before


def failing_case_names(path):
    try:
        cases = ElementTree.parse(path).iter("testcase")
        return [f"{case.get('classname', '')}.{case.get('name', '')}"
                for case in cases if case_outcome(case) == "failed"]
    except ElementTree.ParseError:
        return ["(unreadable report)"]


def ctest_outcome(case):
    status = case.get("status")
    if status == "disabled":
        return "skipped"
    if status == "run" and case.find("failure") is None:
        return "passed"
    return "failed"


def count_ctest_run(junit, details, tally):
    for case in ElementTree.parse(junit).iter("testcase"):
        name = case.get("name", "")
        outcome = ctest_outcome(case)
        report = os.path.join(details, f"{name}.xml") if details else ""
        if name.startswith(HARNESS_PREFIX):
            if outcome == "failed":
                tally.add(outcome, name)
        elif report and os.path.isfile(report):
            first_report = report[: -len(".xml")] + ".first.xml"
            if os.path.isfile(first_report):
                tally.retried += [f"{name}: {case}" for case in failing_case_names(first_report)]
            try:
                failed_cases = count_report(report, name, tally)
            except ElementTree.ParseError:
                failed_cases = 0
                outcome = "failed"
            if outcome == "failed" and failed_cases == 0:
                tally.add("failed", f"{name} (ended abnormally)")
        else:
            tally.add(outcome, name)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--failed", action="append", default=[], metavar="STEP")
    parser.add_argument("runs", nargs="*", metavar="CTEST_JUNIT[:DETAILS_DIR]")
    arguments = parser.parse_args()

    tally = Tally()
    for step in arguments.failed:
        tally.add("failed", step)
    for run in arguments.runs:
        junit, _, details = run.partition(":")
        if not os.path.isfile(junit):
            tally.add("failed", f"{junit} (no ctest report)")
            continue
        count_ctest_run(junit, details, tally)

    for name in tally.retried:
        print(f"RETRIED: {name}")
    for name in tally.failures:
        print(f"FAILED: {name}")
    skipped = f", {tally.skipped} skipped" if tally.skipped else ""
    print(f"{tally.passed} passed, {tally.failed} failed{skipped}")
    return 1 if tally.failed else 0


if __name__ == "__main__":
    sys.exit(main())
