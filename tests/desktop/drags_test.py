"""Moving a lesson by dragging it on the timetable and on the magnet board, then taking the
move back with Ctrl+Z. Saving ends the undo step, so the move and its undo are each checked in
the saved plan of a run of their own."""

import desktop
from desktop import DesktopTest, sample
from plan import Plan


class DragLesson(DesktopTest):

    def lessons_after_drag(self, page, clicks, start, end, lesson, undo):
        """Drags on a page, presses Ctrl+Z when asked, saves and gives the saved entries of the
        lesson's activity on its day."""
        program = self.start(sample("sample.xml"))
        program.wait_main("sample.xml")
        program.page(page)
        self.desktop.settle(program.main)
        for point in clicks:
            program.click(*point)
        x, y, _, _ = self.desktop.geometry(program.main)
        self.desktop.drag((x + start[0], y + start[1]), (x + end[0], y + end[1]))
        if undo:
            self.desktop.key("ctrl+z", window=program.main)
        self.desktop.settle(program.main)
        self.picture("%s-%s" % (page.replace(" ", "-"), "undone" if undo else "moved"))
        stamp = desktop.file_stamp(program.document)
        self.desktop.key("ctrl+s", window=program.main)
        desktop.wait_written(program.document, stamp)
        return [e for e in Plan(program.document).entries() if e[:2] == lesson[:2]]

    def check(self, page, clicks, start, end, before, after):
        for undo, expected in ((False, after), (True, before)):
            with self.subTest("undone" if undo else "moved"):
                self.assertEqual(self.lessons_after_drag(page, clicks, start, end, before, undo), [expected])

    def test_timetable(self):
        # 5a's Thursday Latin, dragged by its left edge (the grip) from the sixth hour to the
        # free seventh.
        self.check("Timetable", [], (656, 320), (656, 356),
                   ("84", "06/01/2000", "12:00", "1:00"), ("84", "06/01/2000", "13:00", "1:00"))

    def test_magnet_board(self):
        # 5a's Monday Latin: a click on the row's name makes the row current, a click on the
        # magnet selects it, and its left edge then drags it two hours on.
        self.check("Magnet board", [(190, 162), (565, 162)], (541, 162), (661, 162),
                   ("84", "03/01/2000", "12:00", "1:00"), ("84", "03/01/2000", "14:00", "1:00"))


if __name__ == "__main__":
    desktop.main()
