"""The solver wizard run to Finish on a small week template whose activities are planned
shorter than their durations: the run makes and places the missing entries."""

import collections
import os

import desktop
from desktop import DesktopTest
from plan import Plan

FIXTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures", "open_lessons.xml")

PLACE_LESSONS = (74, 516)  # the options page's side panel, under Tools

# The wizard, in its own coordinates: its buttons, the filter page's choice of what to place and
# the run page's start button.
NEXT, FINISH = (331, -22), (417, -22)
WHAT_TO_PLACE = (370, 22)
START = (523, 285)

WIZARD = "^Automatic Placement$"
DAYS = {"03/01/2000", "04/01/2000", "05/01/2000", "06/01/2000", "07/01/2000"}


def minutes(text):
    hours, mins = text.split(":")
    return int(hours) * 60 + int(mins)


def busy(plan, entries):
    """(member, day, hour) of every hour a member spends in an entry, with repeats."""
    members = {a.get("ID"): [e.text for e in a.iter("ENROLEMENT")] for a in plan.root.iter("ACTIVITY")}
    for activity, day, start, duration in entries:
        first = minutes(start) // 60
        for hour in range(first, first + minutes(duration) // 60):
            for member in members[activity]:
                yield member, day, hour


class SolverWizard(DesktopTest):

    def click(self, wizard, point):
        self.desktop.click_in(wizard, *point)
        self.desktop.settle(wizard)

    def test_run_to_finish_places_the_missing_entries(self):
        program = self.start(FIXTURE)
        program.wait_main("open_lessons.xml")
        program.page("Options")
        self.desktop.settle(program.main)
        program.click(*PLACE_LESSONS)
        wizard = self.desktop.wait_window(WIZARD)
        self.desktop.settle(wizard)
        self.click(wizard, NEXT)  # welcome to the search settings, left as they are
        self.click(wizard, NEXT)  # on to the choice of what to place
        self.desktop.click_in(wizard, *WHAT_TO_PLACE)
        self.desktop.key("Down", "Down", "Down", "Return")  # every activity's missing entries
        self.desktop.settle(wizard)
        self.picture("what-to-place", wizard)
        self.click(wizard, NEXT)
        self.desktop.click_in(wizard, *START)
        # The wizard moves on to its result page by itself when the run has ended; only then
        # is Finish enabled.
        finish = wizard_point(self.desktop, wizard, FINISH)
        desktop.wait_until(lambda: enabled_button(self.desktop, finish), "the run to end")
        self.desktop.settle(wizard)
        self.picture("result", wizard)
        # Escape asks whether to leave; No keeps the wizard, still in front of the main window.
        self.desktop.key("Escape")
        self.desktop.wait_window("^Error$")
        self.desktop.key("Escape")
        self.desktop.wait_no_window("^Error$")
        desktop.wait_until(lambda: self.desktop.active_window() == wizard, "the wizard to be active again")
        self.desktop.click_in(wizard, *FINISH)
        self.desktop.wait_no_window(WIZARD)
        program.page("Timetable")
        self.desktop.settle(program.main)
        self.picture("placed")

        stamp = desktop.file_stamp(program.document)
        self.desktop.key("ctrl+s", window=program.main)
        desktop.wait_written(program.document, stamp)
        before, after = Plan(FIXTURE), Plan(program.document)
        self.assertEqual(after.entities(), before.entities())
        self.assertEqual(after.count("ACTIVITY"), before.count("ACTIVITY"))
        named = after.named_entries()
        for entry in before.named_entries():
            self.assertIn(entry, named)  # the lessons placed before stay where they were
        entries = after.entries()
        planned = collections.Counter()
        for activity, day, start, duration in entries:
            self.assertIn(day, DAYS)
            planned[activity] += minutes(duration)
        durations = {a.get("ID"): minutes(a.get("DURATION")) for a in after.root.iter("ACTIVITY")}
        self.assertEqual(dict(planned), durations)
        hours = collections.Counter(busy(after, entries))
        self.assertEqual([h for h, n in hours.items() if n > 1], [], "double bookings")


def wizard_point(desk, window, point):
    x, y, w, h = desk.geometry(window)
    return x + (point[0] if point[0] >= 0 else w + point[0]), y + (point[1] if point[1] >= 0 else h + point[1])


def enabled_button(desk, point):
    """Whether the button's caption at a screen point is drawn dark (enabled) rather than grey."""
    x, y = point
    out = desk.run(["import", "-window", "root", "-crop", "40x10+%d+%d" % (x - 20, y - 5), "+repage",
                    "-colorspace", "gray", "-format", "%[fx:minima]", "info:"])
    return float(out.strip()) < 0.25


if __name__ == "__main__":
    desktop.main()
