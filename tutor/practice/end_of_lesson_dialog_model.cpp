#include "tutor/practice/end_of_lesson_dialog_model.h"

#include "common/text_number.h"

EndOfLessonDialogModel::EndOfLessonDialogModel(std::string userName, bool passed, int lessonNumber)
    : userName_(std::move(userName)), passed_(passed), lessonNumber_(lessonNumber) {}

std::string EndOfLessonDialogModel::line1() const {
    if (ownText()) {
        return "You have copied the entire file or you have reached the time limit.";
    }
    return "End of Lesson:   " + FormatInt(lessonNumber_);
}

std::string EndOfLessonDialogModel::line2() const {
    if (ownText()) {
        return "What would you like to do next?";
    }
    return passed_ ? "Do you want to go on to the next lesson?"
                   : "Unfortunately, you have not qualified for the desired lesson yet.";
}

std::string EndOfLessonDialogModel::repeatCaption() const {
    return ownText() ? kRepeatTextButton : kRepeatLessonButton;
}
