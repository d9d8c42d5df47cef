#include "platform/StdCtrls.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <vector>

// The memo replaces only the lines after the first that changed; whatever the change, the widget
// ends up showing exactly the lines, one per line.

namespace
{

using Lines = std::vector<AnsiString>;

QString joined(const Lines &lines)
{
    QStringList parts;
    for (const AnsiString &l : lines)
        parts << QString::fromStdString(l);
    return parts.join('\n');
}

TEST(Memo, WidgetShowsTheLinesAfterEveryKindOfChange)
{
    struct Case {
        const char *what;
        Lines before, after;
    };
    const Case cases[] = {
        {"same again", {"a", "b", "c"}, {"a", "b", "c"}},
        {"appended", {"a", "b"}, {"a", "b", "c", "d"}},
        {"tail changed", {"a", "b", "c"}, {"a", "x", "y", "z"}},
        {"shortened", {"a", "b", "c"}, {"a"}},
        {"first line changed", {"a", "b"}, {"x", "b"}},
        {"emptied", {"a", "b"}, {}},
        {"from nothing", {}, {"a", "", "b"}},
        {"blank lines kept", {"", "a"}, {"", "a", "", ""}},
        {"unicode", {"ΔS = 1", "慣量"}, {"ΔS = 1", "ΔP = 2"}},
    };
    for (const Case &c : cases) {
        TMemo memo(nullptr);
        memo.Lines.Assign(c.before);
        memo.Sync();
        ASSERT_EQ(memo.TextEdit()->toPlainText(), joined(c.before)) << c.what;
        // As a calculation writes: cleared, then line by line.
        memo.Lines.Clear();
        for (const AnsiString &l : c.after)
            memo.Lines.Add(l);
        memo.Sync();
        EXPECT_EQ(memo.TextEdit()->toPlainText(), joined(c.after)) << c.what;
        EXPECT_EQ(memo.TextEdit()->document()->blockCount(), std::max<int>(1, c.after.size())) << c.what;
    }
}

TEST(Memo, TextTypedByTheUserIsReplacedInFull)
{
    TMemo memo(nullptr);
    memo.Lines.Assign({"a", "b"});
    memo.Sync();
    QTextCursor cursor(memo.TextEdit()->document());
    cursor.insertText("typed ");
    memo.Lines.Assign({"a", "b", "c"});
    memo.Sync();
    EXPECT_EQ(memo.TextEdit()->toPlainText(), "a\nb\nc");
}

// A font given while the memo is hidden is the document's once the memo shows, as is one given
// while it is shown.
TEST(Memo, DocumentTakesTheFontSetWhileHidden)
{
    for (const bool shownFirst : {false, true}) {
        TMemo memo(nullptr);
        memo.Lines.Add("text");
        if (shownFirst)
            memo.Widget()->show();
        memo.SetFontFamily("DejaVu Serif");
        memo.SetFontPixelSize(17);
        memo.Widget()->show();
        const QFont font = memo.TextEdit()->document()->defaultFont();
        EXPECT_EQ(font.family(), "DejaVu Serif") << shownFirst;
        EXPECT_EQ(font.pixelSize(), 17) << shownFirst;
        EXPECT_EQ(memo.TextEdit()->toPlainText(), "text") << shownFirst;
    }
}

} // namespace
