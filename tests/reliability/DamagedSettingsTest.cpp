// A settings file cut short at any byte still lets the calculator start, with the values it
// cannot read at their defaults.
#include "BatchSession.h"
#include "IniSettingsStore.h"
#include "Truncations.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace tarvo {
namespace {

TEST(DamagedSettingsTest, EveryTruncationStartsWithUsableSettings) {
    QTemporaryDir folder;
    {
        IniSettingsStore store(folder.path());
        store.WriteSettingInt("Settings", "HighResolution", 0);
        store.WriteSettingInt("Settings", "LowResolution", 1);
        store.WriteSettingInt("Settings", "NormalResolution", 0);
        store.WriteSettingInt("Settings", "Key Sound", 1);
        store.WriteSettingString("Settings", "Current Calc", "2 + 3 = 5; \r\n");
        store.WriteSettingString("Settings", "Path", "/home/user/calcs.txt");
    }
    ForEachTruncation(folder.path() + "/Drelkin Software/Tarvo 2.0.ini", [&](qsizetype length) {
        IniSettingsStore store(folder.path());
        std::ostringstream output;
        BatchSession session(store, output);
        session.View().OnDigit(4);
        session.View().OnDivide();
        session.View().OnDigit(2);
        session.View().OnEquals();
        // Every flag reads as what was stored or as its default, never as anything else.
        const CCalcLevel& level = session.CurrentLevel();
        const int keySound = level.m_shared.m_bKeySound.Stored();
        EXPECT_TRUE(keySound == 0 || keySound == 1) << "cut at " << length;
        const bool low = level.DisplayPrecision() == Precision::Low;
        EXPECT_EQ(session.View().m_strSmallDisplay, low ? "2.00" : "2") << "cut at " << length;
    });
}

} // namespace
} // namespace tarvo
