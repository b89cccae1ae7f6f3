"""Moving a lesson by dragging it on the timetable and on the magnet board, then taking the
move back with Ctrl+Z. Saving ends the undo step, so the move and its undo are each checked in
the saved plan of a run of their own."""

import os

import desktop
from desktop import DesktopTest, sample
from plan import Plan

BUSY_TEACHER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures", "busy_teacher.xml")


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

    def test_refused_drop_shows_the_lesson_where_it_is(self):
        # 5a's Monday Mathematics at 08:00 dragged to 09:00, where its teacher has Science with
        # 5b: the drop is refused, and the grid shows the lesson back in its own hour, nothing
        # at the drop point.
        program = self.start(BUSY_TEACHER)
        program.wait_main("busy_teacher.xml")
        program.page("Timetable")
        self.desktop.settle(program.main)
        x, y, _, _ = self.desktop.geometry(program.main)
        self.desktop.drag((x + 218, y + 177), (x + 218, y + 214))
        self.desktop.settle(program.main)
        picture = self.picture("Timetable-refused")
        own_hour, drop_hour = (x + 230, y + 170, 100, 20), (x + 230, y + 205, 100, 20)
        self.assertGreater(self.desktop.colours_in(picture, own_hour), 8, "the lesson's text in its own hour")
        self.assertLessEqual(self.desktop.colours_in(picture, drop_hour), 4, "an empty grid at the drop point")
        stamp = desktop.file_stamp(program.document)
        self.desktop.key("ctrl+s", window=program.main)
        desktop.wait_written(program.document, stamp)
        self.assertEqual(Plan(program.document).entries(), Plan(BUSY_TEACHER).entries())


if __name__ == "__main__":
    desktop.main()
