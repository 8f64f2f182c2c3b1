#pragma once

#include "controls/Slider.h"

#include <QSlider>

class QFocusEvent;
class QWheelEvent;

namespace rennlupe::desktop {

// Dragging, the wheel, arrow and page keys raise the slider's Scroll; letting go or a
// single step raises Click; the focus moving to another control, Validate.
class BoundSlider final : public QSlider {
public:
    BoundSlider(controls::Slider& slider, QWidget* parent);
    void refresh();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    controls::Slider& m_slider;
    bool m_showing = false;
};

}  // namespace rennlupe::desktop
