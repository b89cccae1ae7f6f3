"""Closing the main window with unsaved changes: the save question answered each way."""

import desktop
from desktop import DesktopTest, box_button, sample
from plan import Plan

# Latin of 5a, Thursday's sixth hour; the seventh hour is free.
LATIN = ("84", "06/01/2000", "12:00", "1:00")
LATIN_MOVED = ("84", "06/01/2000", "13:00", "1:00")

YES, NO, CANCEL = 2, 1, 0  # buttons from the right


def move_latin(program):
    """Drags 5a's Thursday Latin one hour down on the timetable, by its left edge (the grip)."""
    program.page("Timetable")
    program.desktop.settle(program.main)
    x, y, _, _ = program.desktop.geometry(program.main)
    program.desktop.drag((x + 656, y + 320), (x + 656, y + 356))


class CloseWithUnsavedChanges(DesktopTest):

    def edited(self, name):
        program = self.start(sample("sample.xml"))
        program.wait_main("sample.xml")
        self.original = desktop.read_bytes(program.document)
        self.desktop.settle(program.main)
        move_latin(program)
        self.picture(name + "-edited")
        program.close_frame()
        box = self.desktop.wait_window("^Save plan$")
        self.picture(name + "-question")
        return program, box

    def test_cancel_keeps_the_window_and_the_edit(self):
        for how in ("click", "Escape"):
            with self.subTest(how):
                program, box = self.edited("cancel-" + how)
                if how == "click":
                    box_button(self.desktop, box, CANCEL)
                else:
                    self.desktop.key("Escape")
                self.desktop.wait_no_window("^Save plan$")
                self.assertTrue(program.running())
                self.assertEqual(desktop.read_bytes(program.document), self.original)
                # The edit is still there: saving now writes it.
                stamp = desktop.file_stamp(program.document)
                self.desktop.key("ctrl+s", window=program.main)
                desktop.wait_written(program.document, stamp)
                self.assertIn(LATIN_MOVED, Plan(program.document).entries())
                program.kill()

    def test_no_writes_nothing(self):
        for how in ("click", "alt+n"):
            with self.subTest(how):
                program, box = self.edited("no-" + how)
                if how == "click":
                    box_button(self.desktop, box, NO)
                else:
                    self.desktop.key(how)
                self.assertEqual(program.wait_exit(), 0)
                self.assertEqual(desktop.read_bytes(program.document), self.original)

    def test_yes_saves(self):
        for how in ("click", "Return"):
            with self.subTest(how):
                program, box = self.edited("yes-" + how)
                if how == "click":
                    box_button(self.desktop, box, YES)
                else:
                    self.desktop.key(how)
                self.assertEqual(program.wait_exit(), 0)
                entries = Plan(program.document).entries()
                self.assertIn(LATIN_MOVED, entries)
                self.assertNotIn(LATIN, entries)
                code, summary = program.vorn_doc()
                self.assertEqual(code, 0, summary)


if __name__ == "__main__":
    desktop.main()
