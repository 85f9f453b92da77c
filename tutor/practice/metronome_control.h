#pragma once

/// Starts and stops the metronome that beats while the main window has the focus during a run.
class MetronomeControl {
  public:
    virtual ~MetronomeControl() = default;
    /// Ends a running metronome and starts one beating every intervalMs; flags: bit 0 the
    /// metronome line, bit 1 the metronome sound.
    virtual void StartMetronome(int intervalMs, int flags) = 0;
    /// Ends the running metronome, if any.
    virtual void StopMetronome() = 0;
};
