#pragma once

#include <QImage>
#include <QRect>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <string>

// A fresh directory for one test, removed with everything in it when the object goes.
class TempDir
{
  public:
    TempDir();
    // Path of the directory, without a trailing "/".
    std::string path() const;
    // Path of name inside the directory.
    std::string filePath(const std::string &name) const;

  private:
    QTemporaryDir dir_;
};

// Whole file as bytes; "" when it cannot be read (the test then fails on the comparison).
std::string readFileBytes(const std::string &path);
// Replaces the file with exactly these bytes; fails the current test when it cannot.
void writeFileBytes(const std::string &path, const std::string &bytes);
bool fileExists(const std::string &path);

// While it lives, files this process writes cannot grow beyond the given size: a write past it fails
// with "File too large", as on a full disk, instead of ending the process.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

class QWidget;

// What the screen shows of the widget now, painted afresh: rect is in the widget's coordinates, the
// whole widget when not given.
QImage Grabbed(QWidget *widget, const QRect &rect = QRect());
// Pixels in rect darker than mid grey: the strokes of a text in black or a dark colour.
int DarkPixels(const QImage &image, const QRect &rect);
// Whether image shows picture unscaled with its top left corner at `at`, as far as image reaches.
bool ShowsPicture(const QImage &image, const QPoint &at, const QImage &picture);
