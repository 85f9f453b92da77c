#pragma once

#include <QImage>

/// The pictures outside the appearances: the welcome window, the idle screen of the practice
/// panel, the login picture and the two small illustrations. They share one calm palette and
/// the product name "Kelvane" set in DejaVu Sans (Liberation Sans as the fallback).
class ProgramPictures final {
  public:
    /// The welcome window shown at start (about the proportions of that window).
    static QImage Welcome();
    /// Stretched over the practice panel while no lesson runs: the name and where to start.
    static QImage IdleScreen();
    /// A miniature of the practice window.
    static QImage SmallWindow();
    /// A quiet loudspeaker: the sound is off.
    static QImage Silent();
    /// Beside the name and password of the login dialog.
    static QImage Login();
};
