#include "TestSupport.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

TempDir::TempDir()
{
    EXPECT_TRUE(dir_.isValid()) << "cannot create a temporary directory";
}

std::string TempDir::path() const
{
    return dir_.path().toStdString();
}

std::string TempDir::filePath(const std::string &name) const
{
    return path() + "/" + name;
}

std::string readFileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    EXPECT_TRUE(out.good()) << "cannot write " << path;
}

bool fileExists(const std::string &path)
{
    struct stat st {
    };
    return stat(path.c_str(), &st) == 0;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
}

QImage Grabbed(QWidget *widget, const QRect &rect)
{
    return widget->grab(rect.isNull() ? QRect(QPoint(0, 0), QSize(-1, -1)) : rect)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int DarkPixels(const QImage &image, const QRect &rect)
{
    int dark = 0;
    const QRect inside = rect & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

bool ShowsPicture(const QImage &image, const QPoint &at, const QImage &picture)
{
    const QRect shown = QRect(at, picture.size()) & image.rect();
    if (picture.isNull() || shown.isEmpty())
        return false;
    const QImage expected = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = shown.top(); y <= shown.bottom(); ++y)
        for (int x = shown.left(); x <= shown.right(); ++x)
            if (image.pixel(x, y) != expected.pixel(x - at.x(), y - at.y()))
                return false;
    return true;
}
