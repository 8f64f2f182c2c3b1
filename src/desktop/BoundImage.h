#pragma once

#include "controls/Image.h"

#include <QLabel>
#include <QString>

namespace rennlupe::platform::qt {

// Shows the image's picture file, or the program's built-in picture when the
// file is missing or unreadable.
class BoundImage final : public QLabel {
public:
    BoundImage(Image& image, QString builtIn, QWidget* parent);
    void refresh();

    bool showsBuiltIn() const noexcept { return m_showsBuiltIn; }

private:
    Image& m_image;
    QString m_builtIn;
    bool m_showsBuiltIn = true;
};

}  // namespace rennlupe::platform::qt
