#include "desktop/BoundImage.h"

#include "desktop/followControl.h"

#include <QPixmap>

#include <utility>

namespace rennlupe::desktop {

BoundImage::BoundImage(controls::Image& image, QString builtIn, QWidget* parent)
    : QLabel(parent), m_image(image), m_builtIn(std::move(builtIn)) {
    setObjectName(toQString(image.name()));
    followControl(*this, image);
}

void BoundImage::refresh() {
    QPixmap picture;
    if (!m_image.picture().empty()) {
        picture.load(toQString(m_image.picture()));
    }
    m_showsBuiltIn = picture.isNull();
    if (m_showsBuiltIn) {
        picture.load(m_builtIn);
    }
    setPixmap(picture);
    showCommonState(*this, m_image);
}

}  // namespace rennlupe::desktop
