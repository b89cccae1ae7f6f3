"""Adding and deleting records on the contacts page through its dialogs."""

import desktop
from desktop import DesktopTest, box_button, sample
from plan import Plan

TEACHERS_TAB = (166, 270)
ASSISTANTS_TAB = (166, 390)
NEW_ENTRY = (60, 108)
DELETE = (60, 150)
THIRD_CARD = (297, 241)

# The record dialog, in its own coordinates: the value of its first line (the name), its
# buttons from the bottom right.
NAME_VALUE = (300, 27)
OK = (-50, -26)

ASSISTANT = 3


class RecordDialog(DesktopTest):

    def save(self, program):
        stamp = desktop.file_stamp(program.document)
        self.desktop.key("ctrl+s", window=program.main)
        desktop.wait_written(program.document, stamp)
        return Plan(program.document)

    def start_on_tab(self, tab):
        """The program on the sample plan, showing a tab of the contacts page."""
        program = self.start(sample("sample.xml"))
        program.wait_main("sample.xml")
        program.click(*tab)
        self.desktop.settle(program.main)
        return program

    def open_teacher_dialog(self, name):
        program = self.start_on_tab(TEACHERS_TAB)
        program.click(*NEW_ENTRY)
        dialog = self.desktop.wait_window("^Teacher")
        self.desktop.settle(dialog)
        self.desktop.click_in(dialog, *NAME_VALUE)
        self.desktop.type(name)
        self.picture(name.replace(" ", "-"), dialog)
        return program, dialog

    def test_add_a_teacher_with_a_click_on_ok(self):
        program, dialog = self.open_teacher_dialog("Zora Quist")
        self.desktop.click_in(dialog, *OK)
        self.desktop.wait_no_window("^Teacher")
        self.assertIn("Zora Quist", self.save(program).entity_tags())

    # Keys typed in the tree stay in the tree: Return and Escape end the edit there. Tab takes
    # the focus on to the dialog's buttons, where Return presses the default button (OK) and
    # Escape cancels.
    def test_add_a_teacher_with_return(self):
        program, dialog = self.open_teacher_dialog("Zora Quist")
        self.desktop.key("Return", "Tab", "Return")
        self.desktop.wait_no_window("^Teacher")
        self.assertIn("Zora Quist", self.save(program).entity_tags())

    def test_cancel_by_escape_changes_nothing(self):
        program, dialog = self.open_teacher_dialog("Zora Quist")
        original = desktop.read_bytes(program.document)
        self.desktop.key("Escape", "Tab", "Escape")
        self.desktop.wait_no_window("^Teacher")
        self.assertEqual(desktop.read_bytes(program.document), original)
        self.assertEqual(self.save(program).entities(), Plan(sample("sample.xml")).entities())

    def test_delete_answering_yes(self):
        program = self.start_on_tab(ASSISTANTS_TAB)
        # Paul Santos, the third assistant, takes part in no activity, so nothing keeps him.
        program.click(*THIRD_CARD)
        program.click(*DELETE)
        box = self.desktop.wait_window("^Please confirm$")
        self.picture("delete-question")
        box_button(self.desktop, box, 1)  # Yes, left of No
        self.desktop.wait_no_window("^Please confirm$")
        assistants = Plan(sample("sample.xml")).entity_tags(ASSISTANT)
        left = self.save(program).entity_tags(ASSISTANT)
        self.assertEqual(left, [a for a in assistants if a != "Paul Santos"])

    def test_delete_of_a_teacher_in_use_says_why(self):
        program = self.start_on_tab(TEACHERS_TAB)
        # Agnieszka Möller, the first (current) teacher, teaches History: she is kept, and the
        # box says why instead of asking.
        program.click(*DELETE)
        box = self.desktop.wait_window("^Error$")
        self.desktop.settle(box)
        self.picture("delete-in-use", box)
        self.desktop.key("Return", window=box)
        self.desktop.wait_no_window("^Error$")
        self.assertEqual(self.save(program).entities(), Plan(sample("sample.xml")).entities())


if __name__ == "__main__":
    desktop.main()
