#include "tutor/course/x11/x11_xkb_keyboard.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

std::unique_ptr<X11XkbKeyboard> X11XkbKeyboard::Open(Display* display) {
    if (display == nullptr) {
        return nullptr;
    }
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) {
        return nullptr;
    }
    return std::unique_ptr<X11XkbKeyboard>(new X11XkbKeyboard(display));
}

std::string X11XkbKeyboard::RulesNames() const {
    const Atom names = XInternAtom(display_, "_XKB_RULES_NAMES", True);
    if (names == None) {
        return {};
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    // 4 KB of names is far more than five short lists ever take.
    const int status = XGetWindowProperty(display_, DefaultRootWindow(display_), names, 0, 1024,
                                          False, XA_STRING, &type, &format, &count, &left, &data);
    std::string value;
    if (status == Success && type == XA_STRING && format == 8 && data != nullptr) {
        value.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return value;
}

int X11XkbKeyboard::LockedGroup() const {
    XkbStateRec state{};
    if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success) {
        return -1;
    }
    return state.locked_group;
}

bool X11XkbKeyboard::LockGroup(int group) {
    if (!XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned int>(group))) {
        return false;
    }
    // A group beyond those of the keymap is wrapped by the server: what counts is the group
    // locked afterwards.
    return LockedGroup() == group;
}
