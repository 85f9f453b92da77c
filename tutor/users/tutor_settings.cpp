#include "tutor/users/tutor_settings.h"

#include "common/colon_field_reader.h"
#include "common/text_number.h"

void TutorSettings::reset() {
    TutorSettings defaults;
    assign(defaults);
}

std::string TutorSettings::toText() const {
    std::string text = "!";
    for (std::int32_t value : {blinkingCursor, cursorShape, soundType, errorMode, showKeyboard,
                               showHands, showStatistics, metronomeFlags, metronomeRate}) {
        text += FormatInt(value);
        text += ':';
    }
    text += appearance;
    text += ':';
    return text;
}

bool TutorSettings::fromText(std::string_view text) {
    if (text.empty() || text.front() != '!') {
        return false;
    }
    ColonFieldReader reader(text.substr(1));
    // The reader refuses every field after the first one without a colon, so a short text
    // changes exactly the fields before the break.
    bool complete = true;
    for (std::int32_t* field :
         {&blinkingCursor, &cursorShape, &soundType, &errorMode, &showKeyboard, &showHands,
          &showStatistics, &metronomeFlags, &metronomeRate}) {
        complete = reader.NextInt(*field) && complete;
    }
    return reader.NextText(appearance) && complete;
}

void TutorSettings::assign(const TutorSettings& other) {
    blinkingCursor = other.blinkingCursor;
    cursorShape = other.cursorShape;
    soundType = other.soundType;
    errorMode = other.errorMode;
    showKeyboard = other.showKeyboard;
    showHands = other.showHands;
    showStatistics = other.showStatistics;
    metronomeFlags = other.metronomeFlags;
    metronomeRate = other.metronomeRate;
    appearance = other.appearance;
}
