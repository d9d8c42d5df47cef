#include "platform/StdCtrls.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmapCache>
#include <QProcess>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstring>
#include <link.h>

// A group box's frame comes from a picture the style loads by name; drawing it must neither load
// the picture-format plugins nor look any different from the style's own loading.

namespace
{

bool PictureFormatPluginLoaded()
{
    int found = 0;
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            if (info->dlpi_name && std::strstr(info->dlpi_name, "/imageformats/"))
                *static_cast<int *>(data) = 1;
            return 0;
        },
        &found);
    return found != 0;
}

QImage Drawn(TGroupBox &box)
{
    return box.Widget()->grab().toImage();
}

} // namespace

TEST(GroupBoxFrame, DrawnWithoutPluginsAndAsTheStyleDrawsIt)
{
    // Only a process that has not loaded the plugins yet tells whether drawing loads them: after a
    // test that loaded them, this one runs again alone in a fresh process.
    const char alone[] = "SELVANE_GROUP_BOX_ALONE";
    if (PictureFormatPluginLoaded()) {
        ASSERT_FALSE(qEnvironmentVariableIsSet(alone)) << "loaded before any drawing";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(alone, "1");
        env.remove("GTEST_OUTPUT");
        QProcess again;
        again.setProcessEnvironment(env);
        again.setProcessChannelMode(QProcess::MergedChannels);
        again.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=GroupBoxFrame.DrawnWithoutPluginsAndAsTheStyleDrawsIt"});
        ASSERT_TRUE(again.waitForFinished(120000));
        EXPECT_EQ(again.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(again.exitCode(), 0) << again.readAll().toStdString();
        return;
    }

    TGroupBox box(nullptr);
    box.SetCaption("Mode");
    box.Widget()->resize(120, 60);
    const QImage cached = Drawn(box);
    EXPECT_FALSE(PictureFormatPluginLoaded());

    // With the cache emptied the style loads the picture itself.
    QPixmapCache::clear();
    const QImage loaded = Drawn(box);
    EXPECT_FALSE(cached.isNull());
    EXPECT_EQ(cached, loaded);
}
