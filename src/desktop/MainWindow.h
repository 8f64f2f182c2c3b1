#pragma once

#include "desktop/ControlWidgets.h"
#include "ui/frmMain.h"

#include <QWidget>

#include <functional>

class QCloseEvent;

namespace rennlupe::desktop {

// The main window "Rennlupe": shows the controls of frmMain on the design
// grid, in Tahoma 8.25 pt where installed, else the nearest font.
class MainWindow final : public QWidget {
public:
    static constexpr int kClientWidth = 503;  // 7545 x 6090 twips at 15 twips a pixel
    static constexpr int kClientHeight = 406;
    static constexpr const char* kBuiltInLogo = ":/rennlupe/logo.jpg";

    MainWindow();

    // Makes the widgets of every control; once, before the form loads.
    void showControls(ui::frmMain& form, ControlWidgets& widgets);

    // Runs once, when the window is closed (the form's unload).
    std::function<void()> closing;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_closed = false;
};

}  // namespace rennlupe::desktop
