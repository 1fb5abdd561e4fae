// Modal message boxes, the one way the logic reports a failure to the user.
#pragma once

#include <string>

namespace tarvo {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;
};

// The application title, also the title of the division-by-zero box.
inline constexpr const char* kApplicationTitle = "Tarvo 2.0";

} // namespace tarvo
