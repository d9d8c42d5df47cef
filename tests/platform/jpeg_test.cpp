#include "platform/Jpeg.h"

#include "platform/Exceptions.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace
{

// Encodes pixels (components per pixel as the colour space says) with libjpeg itself, no chroma
// subsampling, so that the decoder is checked against an independent writer.
std::string encodeJpeg(int width, int height, J_COLOR_SPACE space, int components,
                       const std::function<void(int x, int y, JSAMPLE *px)> &pixel)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c)
        cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width * components));
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width; ++x)
            pixel(x, static_cast<int>(cinfo.next_scanline), &row[static_cast<std::size_t>(x * components)]);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string bytes(reinterpret_cast<char *>(out), outSize);
    std::free(out);
    return bytes;
}

// 16 x 8: red on the left half, blue on the right.
std::string redBlueJpeg()
{
    return encodeJpeg(16, 8, JCS_RGB, 3, [](int x, int, JSAMPLE *px) {
        px[0] = x < 8 ? 255 : 0;
        px[1] = 0;
        px[2] = x < 8 ? 0 : 255;
    });
}

QImage decode(const std::string &bytes)
{
    return DecodeJpeg(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
}

void expectColor(const QImage &img, int x, int y, int r, int g, int b, int tolerance)
{
    const QRgb p = img.pixel(x, y);
    EXPECT_NEAR(qRed(p), r, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(qGreen(p), g, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(qBlue(p), b, tolerance) << "at " << x << "," << y;
}

// Offset of the first byte after the start-of-frame marker (FF C0).
std::size_t frameHeader(const std::string &bytes)
{
    const std::size_t p = bytes.find("\xFF\xC0");
    return p == std::string::npos ? 0 : p + 2;
}

} // namespace

TEST(Jpeg, DecodesColourPicture)
{
    const QImage img = decode(redBlueJpeg());
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), 16);
    EXPECT_EQ(img.height(), 8);
    EXPECT_EQ(img.format(), QImage::Format_RGB32);
    expectColor(img, 2, 4, 255, 0, 0, 12);
    expectColor(img, 13, 4, 0, 0, 255, 12);
}

TEST(Jpeg, DecodesGreyscalePicture)
{
    const QImage img = decode(encodeJpeg(8, 8, JCS_GRAYSCALE, 1, [](int, int, JSAMPLE *px) { px[0] = 100; }));
    ASSERT_EQ(img.size(), QSize(8, 8));
    expectColor(img, 0, 0, 100, 100, 100, 2);
    expectColor(img, 7, 7, 100, 100, 100, 2);
}

TEST(Jpeg, DecodesAdobeCmykPicture)
{
    // Adobe's CMYK stores inverted ink: 255 = none. Red is full magenta and yellow, no cyan or black.
    const std::string bytes = encodeJpeg(8, 8, JCS_CMYK, 4, [](int, int, JSAMPLE *px) {
        px[0] = 255;
        px[1] = 0;
        px[2] = 0;
        px[3] = 255;
    });
    const QImage img = decode(bytes);
    ASSERT_EQ(img.size(), QSize(8, 8));
    expectColor(img, 4, 4, 255, 0, 0, 6);
}

TEST(Jpeg, TruncatedDataThrows)
{
    const std::string bytes = redBlueJpeg();
    for (std::size_t cut = 1; cut < bytes.size(); ++cut)
        EXPECT_THROW(decode(bytes.substr(0, cut)), Exception) << "cut at " << cut;
}

TEST(Jpeg, CorruptDataThrows)
{
    EXPECT_THROW(DecodeJpeg(nullptr, 0), Exception);
    EXPECT_THROW(decode(""), Exception);
    EXPECT_THROW(decode("not a picture at all"), Exception);
    EXPECT_THROW(decode(std::string(1000, '\xFF')), Exception);

    const std::string good = redBlueJpeg();
    const std::size_t sof = frameHeader(good);
    ASSERT_GT(sof, 0u);
    std::string zeroWidth = good;
    zeroWidth[sof + 5] = zeroWidth[sof + 6] = 0;
    EXPECT_THROW(decode(zeroWidth), Exception);

    std::string huge = good; // 65000 x 65000 claimed: refused before any memory is taken
    huge[sof + 3] = huge[sof + 5] = '\xFD';
    huge[sof + 4] = huge[sof + 6] = '\xE8';
    try {
        decode(huge);
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_NE(e.Message.find("too large"), std::string::npos) << e.Message;
    }
}

TEST(Jpeg, DamagedBytesNeverCrash)
{
    const std::string good = redBlueJpeg();
    std::mt19937 rng(12345);
    int decoded = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bad = good;
        const int flips = 1 + round % 4;
        for (int i = 0; i < flips; ++i)
            bad[rng() % bad.size()] = static_cast<char>(rng() & 0xFF);
        try {
            const QImage img = decode(bad);
            EXPECT_FALSE(img.isNull());
            ++decoded;
        } catch (const Exception &) {
        }
    }
    SUCCEED() << decoded << " damaged pictures still decoded";
}

TEST(Jpeg, LoadsFilesAndReportsMissingOnes)
{
    TempDir dir;
    const std::string path = dir.filePath("shape.jpg");
    writeFileBytes(path, redBlueJpeg());
    EXPECT_EQ(LoadJpegFile(path).size(), QSize(16, 8));

    const std::string missing = dir.filePath("none.jpg");
    try {
        LoadJpegFile(missing);
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message, "Cannot open picture file " + missing);
    }

    const std::string broken = dir.filePath("broken.jpg");
    writeFileBytes(broken, "GIF89a");
    try {
        LoadJpegFile(broken);
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_NE(e.Message.find(broken), std::string::npos) << e.Message;
    }
}

TEST(Jpeg, UnknownEmbeddedPictureIsNull)
{
    EXPECT_TRUE(EmbeddedJpeg("no-such-picture.jpg").isNull());
}
