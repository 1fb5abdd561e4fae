// The hexadecimal tool's logic on a test host, with the real settings store in a temporary
// folder, driven by the script tokens of its keys and data types.
#pragma once

#include "HexKeypad.h"
#include "HexTool.h"
#include "IniSettingsStore.h"
#include "TestHexHost.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace tarvo::test {

class HexToolFixture {
protected:
    // Presses the keys and chooses the data types named in tokens, separated by blanks.
    void Press(const std::string& tokens) {
        std::istringstream words(tokens);
        for (std::string token; words >> token;) {
            if (const HexDataTypeInfo* type = FindDataTypeByToken(token))
                m_tool.OnDataType(type->type);
            else if (const HexKey* key = FindHexKeyByToken(token))
                key->press(m_tool);
            else
                ADD_FAILURE() << "no token " << token;
        }
    }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    TestHexHost m_host;
    CHexTool m_tool{m_host, m_settings};
};

} // namespace tarvo::test
