#include "desktop/BoundComboBox.h"

#include "desktop/followControl.h"

namespace rennlupe::desktop {

BoundComboBox::BoundComboBox(controls::ComboBox& box, QWidget* parent)
    : QComboBox(parent), m_box(box) {
    setObjectName(toQString(box.name()));
    for (const std::string& item : box.items()) {
        addItem(toQString(item));
    }
    // activated comes from the user only; the box's own choice is shown by refresh.
    connect(this, &QComboBox::activated, this, [this](int index) {
        platform::fenced(m_box.name() + " click",
                         [this, index] { m_box.setIndex(static_cast<std::size_t>(index)); });
    });
    followControl(*this, box);
}

void BoundComboBox::refresh() {
    setCurrentIndex(static_cast<int>(m_box.index()));
    showCommonState(*this, m_box);
}

}  // namespace rennlupe::desktop
