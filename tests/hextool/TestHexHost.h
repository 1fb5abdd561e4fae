// A host for the hexadecimal tool's logic in tests: the controls as texts, and the message
// boxes shown.
#pragma once

#include "HexControlTexts.h"
#include "RecordedMessages.h"

namespace tarvo::test {

class TestHexHost final : public RecordedMessages<>, public HexControlTexts {
public:
    TestHexHost() : HexControlTexts(static_cast<RecordedMessages<>&>(*this)) {}
    using HexControlTexts::ShowMessage;
};

} // namespace tarvo::test
