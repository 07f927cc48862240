#pragma once
// A control of a window by its name, found as a person finds it on the
// screen, without the window handing it out.
#include <QLabel>
#include <QLatin1String>
#include <QWidget>

template <class Control = QLabel>
Control* Part(const QWidget& window, const char* name) {
    return window.findChild<Control*>(QLatin1String(name));
}
