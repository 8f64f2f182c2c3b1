#include "desktop/BoundWindow.h"

#include "desktop/followControl.h"

#include <QPointer>

namespace rennlupe::desktop {

BoundWindow::BoundWindow(controls::Window& window, QWidget* owner)
    : QWidget(owner, Qt::Window), m_window(window) {
    setObjectName(toQString(window.name()));
    setAttribute(Qt::WA_DeleteOnClose);
    QPointer<BoundWindow> alive(this);
    window.Unload.connect([alive] {
        if (alive) {
            alive->close();
        }
    });
    followControl(*this, window);
}

void BoundWindow::refresh() {
    setWindowTitle(toQString(m_window.caption()));
    showCommonState(*this, m_window);
}

}  // namespace rennlupe::desktop
