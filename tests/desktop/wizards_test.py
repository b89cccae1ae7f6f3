"""The new-plan wizard walked through with its buttons."""

import os

import desktop
from desktop import DesktopTest, sample
from plan import Plan

# The wizards' buttons, in their own coordinates, and the new-plan wizard's page controls.
BACK, NEXT, FINISH = (255, -22), (331, -22), (417, -22)
FROM_TEMPLATE = (369, 149)
TEMPLATE_PATH = (336, 277)
SECOND_MONDAY = (272, 149)  # the calendar's second row is a whole week of the month shown


class NewPlanWizard(DesktopTest):

    def test_plan_from_a_week_template(self):
        program = self.start()
        wizard = self.desktop.wait_window("^New Plan$")
        self.desktop.settle(wizard)
        # The choice leads on to the page that picks the template.
        self.desktop.click_in(wizard, *FROM_TEMPLATE)
        self.desktop.settle(wizard)
        self.desktop.click_in(wizard, *TEMPLATE_PATH)
        self.desktop.type(sample("sample.xml"))
        self.desktop.click_in(wizard, *NEXT)
        self.desktop.settle(wizard)
        self.desktop.click_in(wizard, *BACK)
        self.desktop.settle(wizard)
        self.picture("back", wizard)
        self.desktop.click_in(wizard, *NEXT)
        self.desktop.settle(wizard)
        self.desktop.click_in(wizard, *SECOND_MONDAY)
        self.picture("date", wizard)
        self.desktop.click_in(wizard, *FINISH)
        self.desktop.wait_no_window("^New Plan$")
        program.wait_main()
        self.picture("finished")

        # The new plan is untitled: Ctrl+S asks for its name.
        target = os.path.join(program.work, "new.xml")
        self.desktop.key("ctrl+s", window=program.main)
        self.desktop.wait_window("^Save As$")
        self.desktop.type(target)
        self.desktop.key("Return")
        desktop.wait_written(target)
        plan = Plan(target)
        template = Plan(sample("sample.xml"))
        self.assertNotEqual(plan.root.find("GENERAL").get("DATE"), template.root.find("GENERAL").get("DATE"))
        self.assertEqual(len(plan.entries()), len(template.entries()))
        self.assertEqual(plan.entities(), template.entities())


if __name__ == "__main__":
    desktop.main()
