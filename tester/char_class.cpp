#include "tester/char_class.h"

const char* CharClassName(CharClass value) {
    switch (value) {
        case CharClass::Correct:
            return "Correct";
        case CharClass::WrongChar:
            return "WrongChar";
        case CharClass::ExtraChar:
            return "ExtraChar";
        case CharClass::OmissionBefore:
            return "OmissionBefore";
        case CharClass::WrongCharAndOmission:
            return "WrongCharAndOmission";
        case CharClass::NotAssessed:
            return "NotAssessed";
    }
    return "Unknown";
}
