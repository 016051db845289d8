"""The per-user installer under Wine: a silent installation, the installed program started as
sign-in starts it, and a silent uninstallation that keeps the data folder."""

import pathlib
import unittest

import driver
from data_files import MAIN
from test_startup import windows_path

UNINSTALL_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hushcloak"


class Installer(driver.WineTestCase):
    def test_install_start_at_sign_in_and_uninstall(self):
        roaming = pathlib.Path(driver.setting("HUSHCLOAK_APPDATA_DIR"))
        folder = roaming.parent / "Local" / "Programs" / "Hushcloak"
        shortcut = roaming / "Microsoft" / "Windows" / "Start Menu" / "Programs" / "Hushcloak.lnk"
        setup = driver.run_wine(driver.setting("HUSHCLOAK_INSTALLER"), "/S", "/SIGNIN")
        self.assertEqual(setup.returncode, 0)
        self.assertTrue((folder / "README.md").is_file() and shortcut.is_file())
        exe = windows_path(folder / "hushcloak.exe")
        self.assertEqual(driver.run_entry(), f'"{exe}" /tray')

        program = self.start_hushcloak("/tray", program=str(folder / "hushcloak.exe"))
        driver.wait_for_window("Wine System Tray")
        self.assertIsNone(driver.find_window(MAIN))
        driver.probe("quit", "hushcloak.exe")
        self.assertEqual(program.wait(), 0)

        removal = driver.run_wine(str(folder / "uninstall.exe"), "/S", f"_?={windows_path(folder)}")
        self.assertEqual(removal.returncode, 0)
        self.assertFalse((folder / "hushcloak.exe").exists() or shortcut.exists())
        self.assertIsNone(driver.run_entry())
        self.assertNotEqual(driver.run_wine("reg", "query", UNINSTALL_KEY).returncode, 0)
        self.assertTrue((driver.data_folder() / "settings.xml").is_file())


if __name__ == "__main__":
    unittest.main()
