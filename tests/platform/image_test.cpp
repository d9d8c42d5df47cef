#include "platform/ExtCtrls.h"

#include "platform/Exceptions.h"
#include "platform/Forms.h"

#include "TestSupport.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

// A deferred picture is decoded once, when the control is first painted or its picture is asked
// for; a broken one is reported once, outside the paint.

namespace
{

struct DeferredPicture : ::testing::Test {
    std::vector<AnsiString> reports;
    void SetUp() override
    {
        SetMessageHook([this](const MessageRecord &m) {
            reports.push_back(m.text);
            return IDOK;
        });
    }
    void TearDown() override { SetMessageHook(nullptr); }
};

TEST_F(DeferredPicture, DecodedOnceWhenShownOrAsked)
{
    struct Case {
        const char *how;
        bool asked; // Picture() asked for before the control is shown
    };
    for (const Case c : {Case{"shown", false}, Case{"asked", true}}) {
        QWidget parent;
        parent.resize(40, 20);
        TImage image(nullptr);
        image.Widget()->setParent(&parent);
        image.SetBounds(10, 5, 20, 10);
        int loads = 0;
        image.SetPicture([&loads] {
            ++loads;
            QImage picture(20, 10, QImage::Format_RGB32);
            picture.fill(Qt::red);
            return picture;
        });
        QCoreApplication::processEvents();
        EXPECT_EQ(loads, 0) << c.how;
        if (c.asked) {
            EXPECT_EQ(image.Picture().width(), 20) << c.how;
        }
        parent.show();
        for (int paint = 0; paint < 2; ++paint) {
            const QImage screen = Grabbed(&parent);
            EXPECT_EQ(screen.pixelColor(10, 5), QColor(Qt::red)) << c.how;
            EXPECT_EQ(screen.pixelColor(29, 14), QColor(Qt::red)) << c.how;
            EXPECT_NE(screen.pixelColor(9, 5), QColor(Qt::red)) << c.how;
        }
        EXPECT_EQ(loads, 1) << c.how;
    }
}

TEST_F(DeferredPicture, BrokenPictureReportedOnceAfterThePaint)
{
    QWidget parent;
    TImage image(nullptr);
    image.Widget()->setParent(&parent);
    image.SetBounds(0, 0, 20, 10);
    image.SetPicture([]() -> QImage { throw Exception("Invalid JPEG picture: no data"); });
    parent.show();
    image.Widget()->repaint();
    EXPECT_TRUE(reports.empty()); // never from within the paint
    QCoreApplication::processEvents();
    image.Widget()->repaint();
    EXPECT_TRUE(image.Picture().isNull());
    QCoreApplication::processEvents();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Invalid JPEG picture: no data.");
}

} // namespace
