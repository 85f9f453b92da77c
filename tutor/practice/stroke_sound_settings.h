#pragma once

struct TutorSettings;

/// Where the settings of the stroke sounds and the metronome note go when the user's settings
/// change (the practice's worker threads).
class StrokeSoundSettings {
  public:
    virtual ~StrokeSoundSettings() = default;
    virtual void ApplySettings(const TutorSettings& settings) = 0;
};
