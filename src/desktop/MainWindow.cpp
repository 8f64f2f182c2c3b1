#include "desktop/MainWindow.h"

#include "desktop/BoundButton.h"
#include "desktop/BoundCheckBox.h"
#include "desktop/BoundComboBox.h"
#include "desktop/BoundFrame.h"
#include "desktop/BoundImage.h"
#include "desktop/BoundLabel.h"
#include "desktop/BoundListBox.h"
#include "desktop/BoundSlider.h"
#include "desktop/BoundTextBox.h"
#include "desktop/followControl.h"
#include "desktop/placeControl.h"
#include "platform/eventloop/fenced.h"

#include <QCloseEvent>
#include <QFont>
#include <QIcon>

namespace rennlupe::desktop {

namespace {

QFont windowFont() {
    QFont font(toQString(ui::frmMain::kFontName));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(ui::frmMain::kFontSize);
    return font;
}

// One caption above its slider, rows 46 pixels apart inside the group.
void placeSliderRow(controls::Label& caption, controls::Slider& slider, QWidget& group,
                    ControlWidgets& widgets, int row) {
    const int top = 20 + row * 46;
    placeControl<BoundLabel>(caption, group, widgets, {10, top, 200, 17});
    placeControl<BoundSlider>(slider, group, widgets, {8, top + 18, 224, 22});
}

}  // namespace

MainWindow::MainWindow() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(toQString(ui::frmMain::kCaption));
    setWindowIcon(QIcon(QString::fromLatin1(kBuiltInLogo)));
    setFont(windowFont());
    setFixedSize(kClientWidth, kClientHeight);
}

void MainWindow::showControls(ui::frmMain& form, ControlWidgets& widgets) {
    auto& connection = placeControl<BoundFrame>(form.Frame1, *this, widgets, {4, 0, 489, 150});
    placeControl<BoundButton>(form.cmdConnect, connection, widgets, {8, 16, 100, 25});
    placeControl<BoundComboBox>(form.cboProtocol, connection, widgets, {114, 17, 100, 23})
        .setToolTip(QStringLiteral("auto: today's game, else the old generation"));
    placeControl<BoundLabel>(form.lblSendPort, connection, widgets, {8, 52, 94, 17});
    placeControl<BoundTextBox>(form.txtSendPort, connection, widgets, {104, 50, 110, 20});
    placeControl<BoundLabel>(form.lblRecv, connection, widgets, {8, 76, 94, 17});
    placeControl<BoundTextBox>(form.txtRecvPort, connection, widgets, {104, 74, 110, 20});
    placeControl<BoundLabel>(form.lblPassword, connection, widgets, {8, 100, 94, 17});
    placeControl<BoundTextBox>(form.txtPassword, connection, widgets, {104, 98, 110, 20})
        .setEchoMode(QLineEdit::Password);
    placeControl<BoundLabel>(form.Label2, connection, widgets, {8, 124, 94, 17});
    placeControl<BoundTextBox>(form.txtIP, connection, widgets, {104, 122, 110, 20});
    placeControl<BoundImage>(form.Image1, connection, widgets, {236, 16, 240, 90},
                             QString::fromLatin1(kBuiltInLogo));
    placeControl<BoundLabel>(form.lblChat, connection, widgets, {236, 124, 40, 17});
    placeControl<BoundLabel>(form.lblDraw, connection, widgets, {316, 124, 62, 17});
    placeControl<BoundComboBox>(form.cboDraw, connection, widgets, {380, 121, 100, 23})
        .setToolTip(QStringLiteral("auto: the game's buttons with today's game, else the screen"));
    placeControl<BoundTextBox>(form.txtSend, connection, widgets, {278, 122, 200, 20});
    // 9360 twips from the group's left edge: beyond its width, so never in view.
    placeControl<BoundButton>(form.cmdSend, connection, widgets, {624, 120, 60, 24});
    placeControl<BoundButton>(form.cmdStartRaceTracker, connection, widgets, {236, 110, 130, 24});
    placeControl<BoundCheckBox>(form.Check1, connection, widgets, {370, 110, 110, 20});

    auto& text = placeControl<BoundFrame>(form.Frame6, *this, widgets, {4, 154, 242, 210});
    placeSliderRow(form.lblSlider1, form.Slider1, text, widgets, 0);
    placeSliderRow(form.lblSlider2, form.Slider2, text, widgets, 1);
    placeSliderRow(form.lblSlider3, form.Slider3, text, widgets, 2);
    placeSliderRow(form.lblSlider4, form.Slider4, text, widgets, 3);
    auto& picture = placeControl<BoundFrame>(form.Frame7, *this, widgets, {251, 154, 242, 210});
    placeSliderRow(form.lblSlider5, form.Slider5, picture, widgets, 0);
    placeSliderRow(form.lblSlider6, form.Slider6, picture, widgets, 1);

    // Race information the dispatcher keeps; hidden, as the controls say.
    auto& viewed = placeControl<BoundFrame>(form.Frame3, *this, widgets, {4, 368, 489, 60});
    auto& driver =
        placeControl<BoundLabel>(form.lblGezeigterFahrer, viewed, widgets, {8, 16, 300, 22});
    QFont bold(QStringLiteral("Arial"));
    bold.setPointSize(12);
    bold.setBold(true);
    driver.setFont(bold);
    placeControl<BoundLabel>(form.lblMeineID, viewed, widgets, {320, 16, 40, 17});
    placeControl<BoundLabel>(form.lblLap, viewed, widgets, {360, 16, 40, 17});
    placeControl<BoundLabel>(form.lblStreckennodes, viewed, widgets, {400, 16, 40, 17});
    placeControl<BoundLabel>(form.Label3, viewed, widgets, {440, 16, 40, 17});
    placeControl<BoundLabel>(form.Label5, viewed, widgets, {440, 36, 40, 17});
    auto& race = placeControl<BoundFrame>(form.Frame5, *this, widgets, {712, 0, 240, 150});
    placeControl<BoundListBox>(form.List1, race, widgets, {8, 16, 224, 126});
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        if (closing) {
            platform::fenced("closing the window", closing);
        }
    }
    event->accept();
}

}  // namespace rennlupe::desktop
