// The three ways a script closes a tool's dialog: OK, Escape and the close box.
#pragma once

namespace tarvo {

enum class ToolClosing { Ok, Esc, Box };

} // namespace tarvo
