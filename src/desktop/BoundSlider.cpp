#include "desktop/BoundSlider.h"

#include "desktop/followControl.h"

#include <QFocusEvent>
#include <QTimer>
#include <QWheelEvent>

namespace rennlupe::desktop {

BoundSlider::BoundSlider(controls::Slider& slider, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), m_slider(slider) {
    setObjectName(toQString(slider.name()));
    setFocusPolicy(Qt::WheelFocus);
    setRange(slider.min(), slider.max());
    setSingleStep(slider.smallChange());
    setPageStep(slider.largeChange());
    connect(this, &QSlider::valueChanged, this, [this](int value) {
        if (m_showing) {
            return;
        }
        platform::fenced(m_slider.name() + " scroll", [this, value] {
            m_slider.scrollTo(value);
            if (!isSliderDown()) {
                m_slider.click();
            }
        });
    });
    connect(this, &QSlider::sliderReleased, this,
            [this] { platform::fenced(m_slider.name() + " click", [this] { m_slider.click(); }); });
    followControl(*this, slider);
}

void BoundSlider::refresh() {
    m_showing = true;
    setValue(m_slider.value());
    m_showing = false;
    showCommonState(*this, m_slider);
}

// The wheel moves the slider, so it takes the focus too: leaving it validates.
void BoundSlider::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        setFocus(Qt::MouseFocusReason);
    }
    QSlider::wheelEvent(event);
}

void BoundSlider::focusOutEvent(QFocusEvent* event) {
    QSlider::focusOutEvent(event);
    // Only a move to another control of the window validates, as a window switch does not.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason) {
        return;
    }
    platform::fenced(m_slider.name() + " validate", [this] {
        if (!m_slider.validate()) {
            QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
        }
    });
}

}  // namespace rennlupe::desktop
