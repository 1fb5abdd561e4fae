#include "LockKeys.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>

namespace mirelle {

namespace {

// The X11 core modifier bits, which the xkb state of Wayland shares.
constexpr quint32 kLockMask = 1u << 1;
constexpr quint32 kMod2Mask = 1u << 4;

const char* const kLedSuffix[kLockKeyCount] = {"::capslock", "::numlock", "::scrolllock"};

} // namespace

LockStates LockStatesOfKeyEvent(const QKeyEvent& event, const QString& platformName) {
    LockStates states;
    if (platformName != "xcb" && platformName != "wayland")
        return states;
    const quint32 modifiers = event.nativeModifiers();
    states[CapsLock] = (modifiers & kLockMask) != 0;
    states[NumLock] = (modifiers & kMod2Mask) != 0;
    return states;
}

LockStates LockStatesOfLeds(const QString& ledsFolder) {
    LockStates states;
    const QDir folder(ledsFolder);
    for (const QString& led : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        for (int key = 0; key < kLockKeyCount; ++key) {
            if (!led.endsWith(kLedSuffix[key]))
                continue;
            QFile brightness(folder.filePath(led + "/brightness"));
            if (!brightness.open(QIODevice::ReadOnly))
                continue;
            const bool lit = brightness.readAll().trimmed().toInt() != 0;
            states[key] = states[key].value_or(false) || lit;
        }
    }
    return states;
}

LockStates Merge(const LockStates& first, const LockStates& second) {
    LockStates merged;
    for (int key = 0; key < kLockKeyCount; ++key)
        merged[key] = first[key] ? first[key] : second[key];
    return merged;
}

} // namespace mirelle
