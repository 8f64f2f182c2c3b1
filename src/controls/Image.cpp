#include "controls/Image.h"

#include <utility>

namespace rennlupe::controls {

void Image::setPicture(std::string path) {
    if (m_picture != path) {
        m_picture = std::move(path);
        changed();
    }
}

}  // namespace rennlupe::controls
