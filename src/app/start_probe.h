#pragma once
// Start-up probe for scripted checks of an installed program: with the
// environment variable TRIVELON_QUIT_AFTER_START=1 the program ends with
// status 0 as soon as its main window has been shown and painted once.
class QWidget;

namespace trivelon::app {

// Arms the probe on the main window when the variable asks for it.
void QuitAfterFirstPaintIfRequested(QWidget& window);

}  // namespace trivelon::app
