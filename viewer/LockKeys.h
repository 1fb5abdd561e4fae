// The states of the lock keys for the status bar's CAP, NUM and SCRL indicators. Qt has no
// call for them, so they come from what the system shows without extra libraries: the
// keyboard state that X11 and Wayland hand over with every key event (Caps Lock and Num Lock),
// and the keyboard LEDs in /sys/class/leds (all three, where the kernel lists them).
#pragma once

#include <QString>

#include <array>
#include <optional>

class QKeyEvent;

namespace mirelle {

enum LockKey { CapsLock, NumLock, ScrollLock, kLockKeyCount };

// Per key: on, off, or not known from this source.
using LockStates = std::array<std::optional<bool>, kLockKeyCount>;

// From a key event's native modifier state; known only on the X11 and Wayland platforms,
// whose state carries Caps Lock as the Lock modifier and Num Lock as Mod2.
LockStates LockStatesOfKeyEvent(const QKeyEvent& event, const QString& platformName);

// From the LEDs "<device>::capslock", "::numlock" and "::scrolllock" in the folder: a lock is
// on when any keyboard shows its LED lit.
LockStates LockStatesOfLeds(const QString& ledsFolder = "/sys/class/leds");

// The known states of first, the rest from second.
LockStates Merge(const LockStates& first, const LockStates& second);

} // namespace mirelle
