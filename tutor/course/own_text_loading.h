#pragma once

#include <string>
#include <string_view>

class LessonCourse;
class MessageSink;
class OwnTextLimitsDialog;

/// What became of a file the user chose to practise on.
enum class OwnTextOutcome {
    /// The own text is ready: the exercise on it may begin.
    Loaded,
    /// The user left the limits dialog with Back: nothing to say, no exercise.
    Cancelled,
    /// The file could not be read; the user has been told.
    Refused,
};

/// The file part of "Choose a Text File" and of a dropped text file: asks for the limits,
/// reads the file into the course's own text and tells the user about a file that cannot be
/// read, a plain file that does not open and a rich-text file that breaks off alike.
OwnTextOutcome LoadOwnTextFile(LessonCourse& course, const std::string& path,
                               OwnTextLimitsDialog& limitsDialog,
                               std::string_view acceptedCharacters, MessageSink& messages);

/// The message for a file that cannot be read, under kKelvaneName.
inline constexpr const char* kOwnTextFileRefused =
    "This file has an incorrect format or it has been corrupted.";
