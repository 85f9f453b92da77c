#pragma once

/// What the "Results" and "Save Results" buttons of the "End of the Lesson" dialog do; the
/// dialog stays open for both.
class EndOfLessonActions {
  public:
    virtual ~EndOfLessonActions() = default;
    /// The results dialog for the run just finished.
    virtual void ShowResults() = 0;
    /// The run's stroke log saved as a results file.
    virtual void SaveResults() = 0;
};
