"""Opening and saving plans through the file dialogs, and the load error box."""

import os

import desktop
from desktop import DesktopTest, box_button, sample
from plan import Plan

# The file dialog, in its own coordinates: the first row of the file list, the accept button
# (Open or Save) and the file name field.
FIRST_FILE = (165, 70)
ACCEPT = (-51, -54)


class OpenPlan(DesktopTest):

    def test_open_through_the_file_dialog(self):
        for how in ("keyboard", "mouse"):
            with self.subTest(how):
                program = self.start(sample("sample.xml"))
                # "another.xml" sorts first in the dialog's list.
                other = program.copy_in(sample("sample.xml"), "another.xml")
                program.wait_main("sample.xml")
                if how == "keyboard":
                    self.desktop.key("ctrl+o", window=program.main)
                    dialog = self.desktop.wait_window("^Open$")
                    self.desktop.type(other)
                    self.desktop.key("Return")
                else:
                    program.menu("File", "Open")
                    dialog = self.desktop.wait_window("^Open$")
                    self.desktop.settle(dialog)
                    self.desktop.click_in(dialog, *FIRST_FILE)
                    self.picture("chosen-" + how, dialog)
                    self.desktop.click_in(dialog, *ACCEPT)
                self.desktop.wait_no_window("^Open$")
                program.wait_main_title("another.xml")
                self.desktop.settle(program.main)
                self.picture("opened-" + how)


class LoadError(DesktopTest):
    """A damaged file chosen in the Open dialog: the error box answers each way of closing it,
    and the plan that was open stays open and whole."""

    def test_error_box_leaves_the_open_plan(self):
        for how in ("Return", "Escape", "click"):
            with self.subTest(how):
                program = self.start(sample("sample.xml"))
                # The sample cut off in the middle of its records.
                whole = desktop.read_bytes(program.document)
                damaged = program.write_in("damaged.xml", whole[:len(whole) // 4 * 2])
                stamp = desktop.file_stamp(program.document)
                program.wait_main("sample.xml")
                self.desktop.key("ctrl+o", window=program.main)
                self.desktop.wait_window("^Open$")
                self.desktop.type(damaged)
                self.desktop.key("Return")
                box = self.desktop.wait_window("^Error$")
                self.picture("box-" + how)
                if how == "click":
                    box_button(self.desktop, box, 0)
                else:
                    self.desktop.key(how)
                self.desktop.wait_no_window("^Error$")
                self.assertTrue(program.running())
                self.assertIn("sample.xml", program.main_title())
                self.desktop.settle(program.main)
                self.picture("after-" + how)
                # What is open is still the whole plan: saving it writes the same records.
                self.desktop.key("ctrl+s", window=program.main)
                desktop.wait_written(program.document, stamp)
                self.assertEqual(Plan(program.document).entries(), Plan(sample("sample.xml")).entries())
                self.assertEqual(Plan(program.document).entities(), Plan(sample("sample.xml")).entities())


class SaveAs(DesktopTest):

    def test_save_as_a_new_name(self):
        for how in ("keyboard", "mouse"):
            with self.subTest(how):
                program = self.start(sample("sample.xml"))
                original = desktop.read_bytes(program.document)
                target = os.path.join(program.work, "copy-" + how + ".xml")
                program.wait_main("sample.xml")
                if how == "keyboard":
                    self.desktop.key("alt+f", window=program.main)
                    program.wait_menu()
                    self.desktop.key("a")
                else:
                    program.menu("File", "Save As")
                dialog = self.desktop.wait_window("^Save As$")
                self.desktop.type(target)
                if how == "keyboard":
                    self.desktop.key("Return")
                else:
                    self.desktop.click_in(dialog, *ACCEPT)
                self.desktop.wait_no_window("^Save As$")
                program.wait_main_title("copy-" + how)
                desktop.wait_written(target)
                self.assertEqual(Plan(target).entries(), Plan(sample("sample.xml")).entries())
                code, summary = program.vorn_doc(target)
                self.assertEqual(code, 0, summary)
                self.assertEqual(desktop.read_bytes(program.document), original)


if __name__ == "__main__":
    desktop.main()
