#!/usr/bin/env python3
"""Runs one end-to-end test module with unittest and writes its cases as a JUnit-style report.

usage: run_unittest.py TEST_MODULE.py REPORT.xml

The report lets the test command count every case, although ctest sees one test per module.
Exit code 0 when every case passed.
"""
import importlib.util
import os
import sys
import time
import traceback
import unittest
import xml.etree.ElementTree as ElementTree


class RecordingResult(unittest.TextTestResult):
    """Keeps the outcome and duration of every case."""

    def __init__(self, *arguments, **keywords):
        super().__init__(*arguments, **keywords)
        self.outcomes = []
        self._started = time.monotonic()

    def startTest(self, test):
        self._started = time.monotonic()
        super().startTest(test)

    def _record(self, test, outcome, detail=""):
        self.outcomes.append((test.id(), outcome, detail, time.monotonic() - self._started))

    def addSuccess(self, test):
        super().addSuccess(test)
        self._record(test, "passed")

    def addFailure(self, test, error):
        super().addFailure(test, error)
        self._record(test, "failed", self._exc_info_to_string(error, test))

    def addError(self, test, error):
        super().addError(test, error)
        self._record(test, "failed", self._exc_info_to_string(error, test))

    def addSubTest(self, test, subtest, error):
        super().addSubTest(test, subtest, error)
        # A failing subtest is the case's only record: unittest reports no outcome for the case.
        if error is not None:
            self.outcomes.append(
                (subtest.id(), "failed", self._exc_info_to_string(error, test),
                 time.monotonic() - self._started)
            )

    def addSkip(self, test, reason):
        super().addSkip(test, reason)
        self._record(test, "skipped", reason)

    def addExpectedFailure(self, test, error):
        super().addExpectedFailure(test, error)
        self._record(test, "passed")

    def addUnexpectedSuccess(self, test):
        super().addUnexpectedSuccess(test)
        self._record(test, "failed", "unexpected success")


def last_line(text):
    lines = text.strip().splitlines()
    return lines[-1] if lines else ""


def write_report(path, suite_name, outcomes):
    suite = ElementTree.Element("testsuite", name=suite_name, tests=str(len(outcomes)))
    suite.set("failures", str(sum(1 for outcome in outcomes if outcome[1] == "failed")))
    suite.set("skipped", str(sum(1 for outcome in outcomes if outcome[1] == "skipped")))
    for case_id, outcome, detail, seconds in outcomes:
        class_name, _, name = case_id.rpartition(".")
        case = ElementTree.SubElement(
            suite, "testcase", classname=class_name, name=name, time=f"{seconds:.3f}"
        )
        if outcome == "failed":
            failure = ElementTree.SubElement(case, "failure", message=last_line(detail))
            failure.text = detail
        elif outcome == "skipped":
            ElementTree.SubElement(case, "skipped", message=detail)
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    root = ElementTree.Element("testsuites")
    root.append(suite)
    ElementTree.ElementTree(root).write(path, encoding="utf-8", xml_declaration=True)


def keep_first_report(report):
    """A report already there is from a first run that failed: the summary names its cases."""
    if os.path.isfile(report):
        os.replace(report, report[: -len(".xml")] + ".first.xml")


def load_module(script):
    # The end-to-end driver lives beside this script.
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    sys.path.insert(0, os.path.dirname(os.path.abspath(script)))
    name = os.path.splitext(os.path.basename(script))[0]
    module_source = importlib.util.spec_from_file_location(name, script)
    module = importlib.util.module_from_spec(module_source)
    module_source.loader.exec_module(module)
    return module


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    script, report = sys.argv[1], sys.argv[2]
    suite_name = os.path.splitext(os.path.basename(script))[0]
    try:
        suite = unittest.defaultTestLoader.loadTestsFromModule(load_module(script))
    except Exception:
        failure = (f"{suite_name}.load", "failed", traceback.format_exc(), 0.0)
        write_report(report, suite_name, [failure])
        traceback.print_exc()
        return 1
    keep_first_report(report)
    runner = unittest.TextTestRunner(resultclass=RecordingResult, verbosity=2, stream=sys.stdout)
    result = runner.run(suite)
    write_report(report, suite_name, result.outcomes)
    if not result.outcomes:
        print("no test case ran", file=sys.stderr)
        return 1
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
