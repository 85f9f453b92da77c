#pragma once

#include <ostream>
#include <string>

class Clock;

/// Checks a users folder as the tutors of a classroom use it ("kelvane --check-data" with a
/// users folder): it exists and can be written (the tutors write results and session locks
/// there), every user's ".dat" file reads and names its user, and every ".dit" file reads.
/// Prints one line per problem, then who is logged in where (from the session locks, at the
/// clock's time) and a summary. Returns 1 when there is any problem.
int RunCheckUsersFolder(const std::string& folder, const Clock& clock, std::ostream& out);
