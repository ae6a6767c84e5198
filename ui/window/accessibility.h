#pragma once

class QWidget;

namespace dryfriction {

// Tells a screen reader what each control of the main window is. Every input
// field is named by its caption and tooltip ("m(кг)= Масса груза"); the labels
// keep their captions as names, so that a listener hears the value they show,
// with the tooltip as description; the scroll bar, the time slider and the
// views get names of their own; the buttons are named by their captions.
// `window` is the main window; its controls are found by their object names.
void nameForScreenReaders(QWidget& window);

}  // namespace dryfriction
