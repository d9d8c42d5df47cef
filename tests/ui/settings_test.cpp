#include "MainWindowFixture.h"

#include "TestSupport.h"
#include "model/Texts.h"

TEST_F(MainWindowTest, CloseWritesTheLanguageBackKeepingOtherKeys)
{
    TempDir dir;
    const std::string path = dir.filePath("Sizing.ini");
    writeFileBytes(path, "[Other]\r\nKeep=1\r\n[ALL]\r\nLag=0\r\nMore=x\r\n");
    *SizingIni = TMemIniFile(path);
    w->cbLag->UserSelect(2);
    TCloseAction action = caHide;
    w->FormClose(w, action);
    EXPECT_EQ(action, caFree);
    EXPECT_EQ(MainFormOpen, 0);
    TMemIniFile back(path);
    EXPECT_EQ(back.ReadInteger("ALL", "Lag", -1), 2);
    EXPECT_EQ(back.ReadString("Other", "Keep", ""), "1");
    EXPECT_EQ(back.ReadString("ALL", "More", ""), "x");
}

TEST_F(MainWindowTest, CloseThatCannotWriteLeavesATraceLineOnly)
{
    *SizingIni = TMemIniFile("/nonexistent-dir/Sizing.ini");
    TCloseAction action = caHide;
    w->FormClose(w, action);
    EXPECT_TRUE(messages.empty());
    ASSERT_FALSE(w->Memo2->Lines.Items().empty());
    EXPECT_EQ(w->Memo2->Lines.Items().back(), "Selvane Form Close Failed!");
}

TEST(Settings, LanguageNumberFromSizingIni)
{
    TempDir dir;
    struct Case {
        const char *text;
        int lag;
    };
    for (const Case &c : {Case{"[ALL]\nLag=2\n", 2}, Case{"[ALL]\nLag=abc\n", 0}, Case{"", 0},
                          Case{"[all]\nlag=1\n", 1}, Case{"[ALL]\nLag=7\n", 7}}) {
        writeFileBytes(dir.filePath("Sizing.ini"), c.text);
        TMemIniFile ini(dir.filePath("Sizing.ini"));
        EXPECT_EQ(ini.ReadInteger("ALL", "Lag", 0), c.lag) << c.text;
    }
}
