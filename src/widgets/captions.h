#pragma once
// Captions that fit their controls, and names for screen readers. The windows keep their
// written arrangement in fixed places, so where a caption would not fit its control at
// the font in use, that control's font is made smaller until it does.
class QWidget;

namespace icevale {

// Shrinks the font of every button and label under `window` whose caption does not fit.
void fitcaptions(QWidget* window);

// Gives every control under `window` its tool tip, or else its caption, as the name a
// screen reader says.
void nameforaccess(QWidget* window);

}  // namespace icevale
