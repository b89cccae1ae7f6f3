"""A report on the reports page: the browser shows it."""

import desktop
from desktop import DesktopTest, sample

PAGES_PER_PERSON = (82, 108)  # the reports page's side panel
BROWSER = (160, 140, 790, 600)  # a part of the browser's area, in the main window


class ReportPage(DesktopTest):

    def test_a_report_shows_in_the_browser(self):
        program = self.start(sample("sample.xml"))
        program.wait_main("sample.xml")
        program.page("Reports")
        self.desktop.settle(program.main)
        program.click(*PAGES_PER_PERSON)

        def drawn():
            picture = self.picture("report", program.main)
            return self.desktop.colours_in(picture, BROWSER) > 16
        # A blank browser is one colour; a report's text and table lines bring many.
        desktop.wait_until(drawn, "the report to show in the browser", interval=1)


if __name__ == "__main__":
    desktop.main()
