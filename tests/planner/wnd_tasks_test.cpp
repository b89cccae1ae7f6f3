// The tasks page on the school plan: the refill for a teacher, synchronisation after edits, the
// side panel's drops, every command with scripted dialog answers, and copy and paste between two
// documents.
#include "model/activity_group.h"
#include "model/entity.h"
#include "planner/diary_messages.h"
#include "tasks_fixture.h"

TEST_F(TasksTest, TeacherDiaryShowsEveryActivityOfTheTeacher) {
    OpenTeacher();
    const int teacher = Data().m_nCurrentEntity;
    ASSERT_NE(teacher, 0);
    const CPlanIndex index(Data());
    EXPECT_EQ(Diary().m_arrRows.size(), index.ActivitiesOf(teacher).size());
    EXPECT_FALSE(Diary().GetPane(0).GetTitle().GetColumns().empty());
    SaveScreenPicture(frame, "tasks_page_teacher.png");
}
