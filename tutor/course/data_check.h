#pragma once

#include <ostream>
#include <string>

/// Checks a data folder (the folder holding "config" and "lessons") as the tutor would read
/// it, for people who write courses and keyboards: every lesson file loads, its lines fit the
/// practice window and can be typed on the course's keyboard, its parameter lines are
/// complete and it has a lesson for the initial test; every layout, composed-character and
/// finger-outline file reads; the lists name files that exist. Prints one line per problem
/// (file, line, what is wrong) and returns 1 when there is any; otherwise prints a summary
/// and returns 0.
int RunCheckData(const std::string& folder, std::ostream& out);
