#pragma once

#include <QTemporaryDir>

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
