"""A report on the reports page: the browser shows it."""

import desktop
from desktop import DesktopTest, sample

# The reports page's side panel. Pages per person shows only the people chosen on the board
# (none at first); activity weights lists every activity of the plan.
ACTIVITY_WEIGHTS = (78, 234)
BROWSER = (160, 140, 790, 600)  # a part of the browser's area, in the main window


class ReportPage(DesktopTest):

    def test_a_report_shows_in_the_browser(self):
        program = self.start(sample("sample.xml"))
        program.wait_main("sample.xml")
        program.page("Reports")
        # The browser starts with the page; Qt then makes the main window afresh for its
        # OpenGL drawing, under a new window id, which may come well after the browser's first
        # words on a loaded machine. Pictures are taken of the whole screen, since import waits
        # forever on a window that goes while it reads it.
        desktop.wait_until(lambda: "qt.webenginecontext" in program.output(), "the browser to start")
        before = program.main
        program.main = desktop.wait_until(
            lambda: [w for w in self.desktop.visible_windows(name="sample.xml") if w != before],
            "the main window made afresh")[-1]
        self.desktop.settle()
        program.click(*ACTIVITY_WEIGHTS)

        def drawn():
            picture = self.picture("report")
            x, y, _, _ = self.desktop.geometry(program.main)
            return self.desktop.colours_in(picture, (x + BROWSER[0], y + BROWSER[1]) + BROWSER[2:]) > 16
        # A blank browser is one colour; a report's text and table lines bring many.
        desktop.wait_until(drawn, "the report to show in the browser", interval=1)


if __name__ == "__main__":
    desktop.main()
