// The calculator's keys as data: one row per key drives the window's buttons, their
// captions in both modes, their icons and keyboard keys, and the batch program's tokens.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tarvo {

class CCalculatorView;

// A rectangle in dialog units, which the window converts to pixels from its font.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

enum class KeyKind { Push, Default, Toggle };

// The keys' control ids, which are their command ids as well.
enum KeyId : int {
    kKey0 = 1011,
    kKey1 = 1001,
    kKey2 = 1003,
    kKey3 = 1004,
    kKey4 = 1005,
    kKey5 = 1006,
    kKey6 = 1007,
    kKey7 = 1008,
    kKey8 = 1009,
    kKey9 = 1010,
    kKeyPoint = 1016,
    kKeySign = 1017,
    kKeyExponent = 1051,
    kKeyBackspace = 1028,
    kKeyClearEntry = 1018,
    kKeyClear = 1024,
    kKeyClearToResult = 1033,
    kKeyScientific = 1103,
    kKeyDivide = 1015,
    kKeyMultiply = 1014,
    kKeySubtract = 1012,
    kKeyAdd = 1013,
    kKeyOpenParen = 1029,
    kKeyCloseParen = 1030,
    kKeyEquals = 1019,
    kKeyMemoryStore = 1022,
    kKeyMemoryRecall = 1023,
    kKeyTransfer = 1099,
    kKeyAngle = 1043,
    kKeyHyperbolic = 1049,
    kKeyReciprocal = 1020,
    kKeyPercent = 1031,
    kKeySquare = 1035,
    kKeySquareRoot = 1021,
    kKeyExp = 1036,
    kKeyLn = 1039,
    kKeyTenPower = 1040,
    kKeyLog = 1037,
    kKeyPower = 1034,
    kKeyRoot = 1041,
    kKeyPi = 1038,
    kKeySin = 1042,
    kKeyCos = 1044,
    kKeyTan = 1045,
    kKeyAsin = 1046,
    kKeyAcos = 1047,
    kKeyAtan = 1048,
    kKeyFactorial = 1057,
    kKeyRecalc = 1053,
    kKeyUndo = 1054,
    kKeyRedo = 1055,
};

struct CalculatorKey {
    KeyId id;
    const char* caption;    // plain caption as the form writes it
    const char* keyCaption; // caption naming the keyboard key ("&" marks the underlined letter)
    const char* icon;       // icon name, shown instead of the caption; nullptr for text keys
    // Keyboard keys, separated by blanks: a printed character ("+", "(") matched on the typed
    // character, a letter with or without "Shift+" matched on the key, or a named key.
    const char* accelerators;
    const char* token; // the name a script presses the key by
    // The key's tag in the equation text ("[sqrt]"), which ReCalc replays by pressing the key
    // again; nullptr for keys that write no tag.
    const char* tag;
    const char* name;   // what the key is called, as a screen reader says it
    const char* prompt; // what it does, as its tool tip and accessible description say
    DialogRect rect;
    KeyKind kind;
    void (*press)(CCalculatorView& view);
};

std::span<const CalculatorKey> CalculatorKeys();

const CalculatorKey& FindKey(KeyId id);
// The key with this script token, or nullptr.
const CalculatorKey* FindKeyByToken(std::string_view token);
// The key that writes this tag, blanks inside the brackets removed; nullptr for none.
const CalculatorKey* FindKeyByTag(std::string_view tag);
// The key's tag as a key writes it into the equation, with a blank on either side.
const std::string& TagSegment(KeyId id);

} // namespace tarvo
