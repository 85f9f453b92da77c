#include "tutor/course/ui/system_keyboard_layouts_factory.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>

#include "tutor/course/no_system_keyboard_layouts.h"
#include "tutor/course/x11/x11_xkb_keyboard.h"
#include "tutor/course/xkb_keyboard_layouts.h"

std::unique_ptr<SystemKeyboardLayouts> SystemKeyboardLayoutsFactory::Create() {
    if (qGuiApp != nullptr &&
        SwitchesThroughXkb(QGuiApplication::platformName(), InWaylandSession())) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (std::unique_ptr<X11XkbKeyboard> keyboard =
                X11XkbKeyboard::Open(x11 != nullptr ? x11->display() : nullptr)) {
            return std::make_unique<XkbKeyboardLayouts>(std::move(keyboard));
        }
    }
    return std::make_unique<NoSystemKeyboardLayouts>();
}

bool SystemKeyboardLayoutsFactory::SwitchesThroughXkb(const QString& platformName,
                                                      bool waylandSession) {
    return platformName == QLatin1String("xcb") && !waylandSession;
}

bool SystemKeyboardLayoutsFactory::InWaylandSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}
