#include "controls/CheckBox.h"
#include "controls/CommandButton.h"
#include "controls/Slider.h"
#include "controls/TextBox.h"
#include "controls/Timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rennlupe::controls {
namespace {

TEST(TextBox, KeyPressMayReplaceOrDiscardTheKey) {
    TextBox box("txtRecvPort", "50", 5);
    int changes = 0;
    box.Change.connect([&] { ++changes; });
    box.KeyPress.connect([](int& key) {
        if (key != TextBox::kBackspace && (key < '0' || key > '9')) {
            key = 0;
        }
    });
    box.typeText("1a2");
    EXPECT_EQ(box.text(), "5012");
    box.typeKey(TextBox::kBackspace);
    EXPECT_EQ(box.text(), "501");
    box.typeText("9999");  // the user cannot type past the limit...
    EXPECT_EQ(box.text(), "50199");
    box.setText("1234567");  // ...the program can
    EXPECT_EQ(box.text(), "1234567");
    EXPECT_EQ(changes, 6);
    box.setText("1234567");  // the same text is no change
    EXPECT_EQ(changes, 6);

    box.setEnabled(false);
    box.typeKey('1');
    EXPECT_EQ(box.text(), "1234567");
}

TEST(Controls, RaiseTheirEventsOnlyWhenTheyCan) {
    CommandButton button("cmdConnect", "Connect");
    Timer timer("KeepAlive", 1000);
    CheckBox check("Check1", "Informationen abrufen", CheckBox::kChecked);
    std::vector<std::string> events;
    button.Click.connect([&] { events.emplace_back("click"); });
    timer.Tick.connect([&] {
        events.emplace_back("tick");
        timer.setEnabled(false);  // a timer may stop itself in its tick
    });
    button.click();
    button.setEnabled(false);
    button.click();
    timer.tick();  // off at start
    timer.setEnabled(true);
    timer.tick();
    timer.tick();
    EXPECT_EQ(events, (std::vector<std::string>{"click", "tick"}));
    check.click();
    EXPECT_EQ(check.value(), CheckBox::kUnchecked);

    Slider slider("Slider5", 0, 1000);
    events.clear();
    slider.Scroll.connect([&] { events.push_back("scroll " + std::to_string(slider.value())); });
    slider.Validate.connect([&](bool& cancel) {
        events.emplace_back("validate");
        cancel = false;
    });
    slider.scrollTo(40);
    slider.scrollTo(5000);  // a slider stays in its range
    slider.setValue(-3);
    EXPECT_TRUE(slider.validate());
    EXPECT_EQ(events, (std::vector<std::string>{"scroll 40", "scroll 1000", "validate"}));
    EXPECT_EQ(slider.value(), 0);
}

}  // namespace
}  // namespace rennlupe::controls
