"""Naming a holiday in the Holidays dialog with its toolbar: the name reaches Holidays.ini."""

import os
import xml.etree.ElementTree as ET

import desktop
from desktop import DesktopTest, sample

HOLIDAYS = (60, 171)  # the options page's side panel

# The dialog, in its own coordinates: a day of the second month shown, the name field, the
# toolbar's first button (set the name) and Close.
A_DAY = (288, 77)
NAME_FIELD = (239, 265)
SET_NAME = (10, 11)
CLOSE = (352, -21)


def holidays(path):
    try:
        root = ET.fromstring(desktop.read_bytes(path))
    except (FileNotFoundError, ET.ParseError):
        return []
    return [h.get("TAG") for h in root.iter("HOLIDAY")]


class HolidaysDialog(DesktopTest):

    def test_name_a_holiday_with_the_toolbar(self):
        program = self.start(sample("sample.xml"))
        ini = os.path.join(program.config, "VornScheduler", "Holidays.ini")
        program.wait_main("sample.xml")
        program.page("Options")
        self.desktop.settle(program.main)
        program.click(*HOLIDAYS)
        dialog = self.desktop.wait_window("^Holidays$")
        self.desktop.settle(dialog)
        self.desktop.click_in(dialog, *A_DAY)
        self.desktop.click_in(dialog, *NAME_FIELD)
        self.desktop.type("Founders Day")
        self.desktop.click_in(dialog, *SET_NAME)
        self.desktop.settle(dialog)
        self.picture("named", dialog)
        self.desktop.click_in(dialog, *CLOSE)
        self.desktop.wait_no_window("^Holidays$")
        desktop.wait_until(lambda: holidays(ini) == ["Founders Day"], "the holiday in Holidays.ini")


if __name__ == "__main__":
    desktop.main()
