#include "tutor/users/ui/initial_test_wizard.h"

#include "tutor/course/first_time_wizard_model.h"
#include "tutor/users/user_profile.h"

FirstTimeWizardOutcome RunInitialTestWizard(QWidget* parent, UserProfile& profile,
                                            LessonCourse& course, SystemKeyboardLayouts& layouts,
                                            MessageSink& messages, bool atTestPage) {
    FirstTimeWizardModel model(layouts, course, profile.keyboardId(), profile.courseName());
    model.SetCourseChosen([&profile](const std::string& keyboardId, const std::string& name) {
        profile.setCourse(keyboardId, name);
    });
    return CFirstTimeWizard::Run(parent, model, messages, atTestPage);
}
