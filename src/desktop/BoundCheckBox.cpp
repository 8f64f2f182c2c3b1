#include "desktop/BoundCheckBox.h"

#include "desktop/followControl.h"

namespace rennlupe::desktop {

BoundCheckBox::BoundCheckBox(controls::CheckBox& box, QWidget* parent)
    : QCheckBox(parent), m_box(box) {
    setObjectName(toQString(box.name()));
    // clicked comes from the user only; the box's own value is shown by refresh.
    connect(this, &QCheckBox::clicked, this, [this](bool ticked) {
        platform::fenced(m_box.name() + " click", [this, ticked] {
            m_box.setValue(ticked ? controls::CheckBox::kChecked : controls::CheckBox::kUnchecked);
        });
    });
    followControl(*this, box);
}

void BoundCheckBox::refresh() {
    setText(toQString(m_box.caption()));
    setChecked(m_box.ticked());
    showCommonState(*this, m_box);
}

}  // namespace rennlupe::desktop
