"""Adding a person to a task on the tasks page by dragging them from the side list of the people
who fit onto the task's row."""

import desktop
from desktop import DesktopTest, sample
from plan import Plan

# In the main window's coordinates: the first task row (Lab group 1 of 5a), the side bar's
# "People who fit", and the side list's first teacher (Björn Takács) once the list is shown.
FIRST_TASK = (200, 202)
PEOPLE_WHO_FIT = (68, 463)
FIRST_TEACHER = (853, 177)
FIRST_TASK_MEMBER = (216, 224)


class DropPerson(DesktopTest):

    def test_a_teacher_dropped_on_a_task_joins_it(self):
        program = self.start(sample("sample.xml"))
        program.wait_main("sample.xml")
        program.page("Tasks")
        self.desktop.settle(program.main)
        program.click(*FIRST_TASK)
        program.click(*PEOPLE_WHO_FIT)
        self.desktop.settle(program.main)
        self.picture("people-who-fit")
        x, y, _, _ = self.desktop.geometry(program.main)
        self.desktop.drag((x + FIRST_TEACHER[0], y + FIRST_TEACHER[1]),
                          (x + FIRST_TASK_MEMBER[0], y + FIRST_TASK_MEMBER[1]))
        self.desktop.settle(program.main)
        self.picture("joined")
        stamp = desktop.file_stamp(program.document)
        self.desktop.key("ctrl+s", window=program.main)
        desktop.wait_written(program.document, stamp)
        before = Plan(sample("sample.xml")).members("Lab group 1", "5a")
        self.assertNotIn("Björn Takács", before)
        self.assertCountEqual(Plan(program.document).members("Lab group 1", "5a"), before + ["Björn Takács"])


if __name__ == "__main__":
    desktop.main()
