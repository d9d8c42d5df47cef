#include "TestSupport.h"

#include <gtest/gtest.h>

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
