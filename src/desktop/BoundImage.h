#pragma once

#include "controls/Image.h"

#include <QLabel>
#include <QString>

namespace rennlupe::desktop {

// Shows the image's picture file, or the program's built-in picture when the
// file is missing or unreadable.
class BoundImage final : public QLabel {
public:
    BoundImage(controls::Image& image, QString builtIn, QWidget* parent);
    void refresh();

    bool showsBuiltIn() const noexcept { return m_showsBuiltIn; }

private:
    controls::Image& m_image;
    QString m_builtIn;
    bool m_showsBuiltIn = true;
};

}  // namespace rennlupe::desktop
