#include "MainWindowFixture.h"

#include "platform/Translations.h"

#include <QCoreApplication>

// Qt's standard buttons follow the language chosen in cbLag; the texts are those of Debian's Qt
// translations (qtbase_zh_TW, qtbase_zh_CN), which keep the key letter of Yes and No in brackets
// as Chinese Windows boxes do.
TEST_F(MainWindowTest, StandardButtonsSpeakTheChosenLanguage)
{
    const struct {
        int language;
        std::vector<AnsiString> yesNo, okCancel;
    } cases[] = {
        {1, {"是(Y)", "否(N)"}, {"確定", "取消"}},
        {2, {"是(Y)", "否(N)"}, {"确定", "取消"}},
        {0, {"Yes", "No"}, {"OK", "Cancel"}},
    };
    for (const auto &c : cases) {
        w->cbLag->UserSelect(c.language);
        messages.clear();
        EXPECT_EQ(Application->MessageBox("Overwrite?", "Selvane", MB_YESNO | MB_ICONQUESTION), IDYES);
        AnswerNextMessage(IDCANCEL);
        EXPECT_EQ(Application->MessageBox("Go on?", "Selvane", MB_OKCANCEL), IDCANCEL);
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[0].buttons, c.yesNo) << c.language;
        EXPECT_EQ(messages[1].buttons, c.okCancel) << c.language;
    }
}

TEST(QtTranslations, UnknownLanguageKeepsQtsOwnTexts)
{
    EXPECT_TRUE(UseQtTranslations(1));
    EXPECT_TRUE(UseQtTranslations(7));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Cancel");
    EXPECT_TRUE(UseQtTranslations(0));
}
