#pragma once

#include "tutor/course/ui/c_first_time_wizard.h"

class LessonCourse;
class MessageSink;
class QWidget;
class SystemKeyboardLayouts;
class UserProfile;

/// The first-time wizard for the logged-in user: it starts from the user's keyboard type and
/// course and stores the course chosen in the profile as soon as the first page is left, so
/// that a later Cancel keeps it. Opened at the test page after a failed initial test.
FirstTimeWizardOutcome RunInitialTestWizard(QWidget* parent, UserProfile& profile,
                                            LessonCourse& course, SystemKeyboardLayouts& layouts,
                                            MessageSink& messages, bool atTestPage);
