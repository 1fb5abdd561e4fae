#include "LockKeys.h"
#include "ViewerTestFiles.h"

#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace mirelle {
namespace {

constexpr std::optional<bool> kUnknown;

TEST(LockKeysTest, KeyEventsCarryCapsAndNumLockOnX11AndWayland) {
    const struct {
        const char* name;
        const char* platform;
        quint32 state;
        LockStates expected;
    } rows[] = {
        {"none", "xcb", 0x0, {false, false, kUnknown}},
        {"caps lock", "xcb", 0x2, {true, false, kUnknown}},
        {"num lock", "xcb", 0x10, {false, true, kUnknown}},
        {"both, with shift and control", "xcb", 0x17, {true, true, kUnknown}},
        {"wayland", "wayland", 0x12, {true, true, kUnknown}},
        {"other platform", "offscreen", 0x12, {kUnknown, kUnknown, kUnknown}},
    };
    for (const auto& row : rows) {
        const QKeyEvent event(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 0, 0, row.state);
        EXPECT_EQ(LockStatesOfKeyEvent(event, row.platform), row.expected) << row.name;
    }
}

TEST(LockKeysTest, LedsShowTheLocksOfAnyKeyboard) {
    const struct {
        const char* name;
        std::vector<std::pair<const char*, const char*>> leds; // LED folder, brightness
        LockStates expected;
    } rows[] = {
        {"no keyboard LEDs", {{"phy0-led", "1"}}, {kUnknown, kUnknown, kUnknown}},
        {"one keyboard",
         {{"input3::capslock", "1\n"}, {"input3::numlock", "0\n"}, {"input3::scrolllock", "0\n"}},
         {true, false, false}},
        {"lit on the second keyboard",
         {{"input3::numlock", "0\n"}, {"input7::numlock", "1\n"}},
         {kUnknown, true, kUnknown}},
        {"brightness above one", {{"input3::scrolllock", "255\n"}}, {kUnknown, kUnknown, true}},
        {"unreadable brightness", {{"input3::capslock", nullptr}}, {kUnknown, kUnknown, kUnknown}},
    };
    for (const auto& row : rows) {
        QTemporaryDir leds;
        for (const auto& [led, brightness] : row.leds) {
            if (brightness)
                WriteTextFile(leds.filePath(QString(led) + "/brightness"), brightness);
            else
                QDir(leds.path()).mkpath(led);
        }
        EXPECT_EQ(LockStatesOfLeds(leds.path()), row.expected) << row.name;
    }
}

TEST(LockKeysTest, KnownStatesOfTheFirstSourceWin) {
    const LockStates keyEvent{true, false, kUnknown};
    const LockStates leds{false, true, true};
    EXPECT_EQ(Merge(keyEvent, leds), (LockStates{true, false, true}));
    EXPECT_EQ(Merge(LockStates{}, leds), leds);
}

} // namespace
} // namespace mirelle
