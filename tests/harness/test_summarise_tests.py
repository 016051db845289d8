"""The test command's summary: what counts as passed and failed, and its exit code."""

import os
import pathlib
import subprocess
import sys
import tempfile
import textwrap
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "summarise_tests.py"


def ctest_case(name, status="run", failure=False):
    inner = '<failure message="Failed"/>' if failure else ""
    return f'<testcase name="{name}" classname="{name}" status="{status}">{inner}</testcase>'


def gtest_case(name, failure=False, skipped=False, status="run"):
    inner = '<failure message="boom"/>' if failure else ('<skipped message=""/>' if skipped else "")
    return f'<testcase name="{name}" classname="Suite" status="{status}">{inner}</testcase>'


class Summary(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.folder = pathlib.Path(folder.name)

    def write(self, name, cases):
        path = self.folder / name
        path.write_text(f'<?xml version="1.0"?><testsuites><testsuite>{"".join(cases)}'
                        "</testsuite></testsuites>")
        return path

    def summarise(self, *arguments):
        result = subprocess.run(
            [sys.executable, str(SCRIPT), *arguments], capture_output=True, text=True, timeout=60
        )
        return result.returncode, result.stdout.strip().splitlines()[-1]

    def run_of(self, *cases):
        return f"{self.write('ctest.xml', cases)}:{self.folder}"

    def test_a_whole_program_counts_by_its_cases(self):
        self.write("core_tests.xml", [gtest_case("a"), gtest_case("b"), gtest_case("c")])
        run = self.run_of(ctest_case("core_tests"))
        self.assertEqual(self.summarise(run), (0, "3 passed, 0 failed"))

    def test_failing_cases_fail_the_run(self):
        self.write("core_tests.xml", [gtest_case("a"), gtest_case("b", failure=True)])
        code, last = self.summarise(self.run_of(ctest_case("core_tests", "fail", failure=True)))
        self.assertEqual((code, last), (1, "1 passed, 1 failed"))

    def test_a_program_that_crashed_after_passing_cases_counts_one_failure_more(self):
        self.write("win_tests.xml", [gtest_case("a")])
        code, last = self.summarise(self.run_of(ctest_case("win_tests", "fail", failure=True)))
        self.assertEqual((code, last), (1, "1 passed, 1 failed"))

    def test_a_case_that_passed_only_on_its_retry_is_named(self):
        self.write("win_tests.first.xml", [gtest_case("a", failure=True), gtest_case("b")])
        self.write("win_tests.xml", [gtest_case("a"), gtest_case("b")])
        result = subprocess.run([sys.executable, str(SCRIPT), self.run_of(ctest_case("win_tests"))],
                                capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 0)
        self.assertIn("RETRIED: win_tests: Suite.a", result.stdout.splitlines())
        self.assertEqual(result.stdout.strip().splitlines()[-1], "2 passed, 0 failed")

    def test_tests_without_a_report_count_once(self):
        run = self.run_of(ctest_case("Suite.one"), ctest_case("Suite.two", "fail", failure=True))
        self.assertEqual(self.summarise(run), (1, "1 passed, 1 failed"))

    def test_tests_that_did_not_run_are_failures_and_disabled_ones_skipped(self):
        run = self.run_of(ctest_case("e2e.test_a", "notrun"), ctest_case("Suite.off", "disabled"))
        self.assertEqual(self.summarise(run), (1, "0 passed, 1 failed, 1 skipped"))

    def test_skipped_and_disabled_cases_are_not_passes(self):
        cases = [gtest_case("a", skipped=True), gtest_case("b", status="notrun")]
        self.write("core_tests.xml", cases)
        run = self.run_of(ctest_case("core_tests"))
        self.assertEqual(self.summarise(run), (0, "0 passed, 0 failed, 2 skipped"))

    def test_the_harness_fixtures_count_only_when_they_fail(self):
        passing = self.run_of(ctest_case("wine_harness_start"), ctest_case("wine_harness_stop"))
        self.assertEqual(self.summarise(passing), (0, "0 passed, 0 failed"))
        failing = self.run_of(ctest_case("wine_harness_start", "fail", failure=True))
        self.assertEqual(self.summarise(failing), (1, "0 passed, 1 failed"))

    def test_a_failed_build_step_and_a_missing_ctest_report_are_failures(self):
        missing = f"{self.folder / 'absent.xml'}:{self.folder}"
        code, last = self.summarise("--failed", "win32 build", missing)
        self.assertEqual((code, last), (1, "0 passed, 2 failed"))

    def test_an_unreadable_report_counts_as_a_failure(self):
        (self.folder / "core_tests.xml").write_text("<testsuites><testcase")
        code, last = self.summarise(self.run_of(ctest_case("core_tests")))
        self.assertEqual((code, last), (1, "0 passed, 1 failed"))


if __name__ == "__main__":
    unittest.main()
