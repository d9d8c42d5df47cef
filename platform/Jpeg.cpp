#include "platform/Jpeg.h"

#include "platform/Exceptions.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <csetjmp>
#include <cstdio>
#include <cstring>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

// Generated at build time from resources/pictures/*.jpg.
const unsigned char *EmbeddedPicture(const char *name, std::size_t *size);

namespace
{

// Pictures larger than this are rejected before any memory is taken for them; a damaged header can
// claim any size up to 65500 x 65500.
constexpr long long maxPixels = 50LL * 1000 * 1000;

struct ErrorManager {
    jpeg_error_mgr pub; // first, so that the library's pointer can be cast back
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg's error_exit must not return: jump back into decodeInto, which then cleans up.
void errorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Level -1 is a corrupt-data warning (truncated file, damaged entropy data): the library would go
// on with a grey or garbled picture, which is worse than a clear error.
void emitMessage(j_common_ptr cinfo, int msgLevel)
{
    if (msgLevel < 0)
        errorExit(cinfo);
}

// libjpeg's colour order whose pixels are laid out as QImage::Format_RGB32's (0xffRRGGBB words).
constexpr J_COLOR_SPACE kRgb32Space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Everything that must survive a longjmp lives here, outside the frame that calls setjmp.
struct DecodeState {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    QImage image;
    bool tooLarge = false;
};

// Adobe's CMYK JPEGs store inverted values (255 = no ink).
QRgb cmykToRgb(const JSAMPLE *p, bool inverted)
{
    int c = p[0], m = p[1], y = p[2], k = p[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// Returns false after a libjpeg error; the message is then in s->err.message. No object with a
// destructor may live in this frame, since longjmp skips destructors.
bool decodeInto(DecodeState *s, const unsigned char *data, std::size_t size)
{
    jpeg_decompress_struct *cinfo = &s->cinfo;
    cinfo->err = jpeg_std_error(&s->err.pub);
    s->err.pub.error_exit = errorExit;
    s->err.pub.emit_message = emitMessage;
    if (setjmp(s->err.jump)) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(cinfo, TRUE);

    const J_COLOR_SPACE in = cinfo->jpeg_color_space;
    const bool cmyk = in == JCS_CMYK || in == JCS_YCCK;
    if (cmyk)
        cinfo->out_color_space = JCS_CMYK;
    else if (in == JCS_GRAYSCALE)
        cinfo->out_color_space = JCS_GRAYSCALE;
    else
        cinfo->out_color_space = kRgb32Space; // written straight into the picture's rows
    if (static_cast<long long>(cinfo->image_width) * cinfo->image_height > maxPixels) {
        s->tooLarge = true;
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    jpeg_start_decompress(cinfo);

    const int width = static_cast<int>(cinfo->output_width);
    const int height = static_cast<int>(cinfo->output_height);
    const int comps = cinfo->output_components;
    s->image = QImage(width, height, QImage::Format_RGB32);
    if (s->image.isNull()) {
        s->tooLarge = true;
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    // Row buffer from libjpeg's own pool: freed by jpeg_destroy_decompress on every path.
    JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                 static_cast<JDIMENSION>(width * comps), 1);
    const bool adobeInverted = cinfo->saw_Adobe_marker;
    while (cinfo->out_color_space == kRgb32Space && cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW out = s->image.scanLine(static_cast<int>(cinfo->output_scanline));
        jpeg_read_scanlines(cinfo, &out, 1);
    }
    while (cinfo->output_scanline < cinfo->output_height) {
        const int y = static_cast<int>(cinfo->output_scanline);
        jpeg_read_scanlines(cinfo, row, 1);
        auto *out = reinterpret_cast<QRgb *>(s->image.scanLine(y));
        const JSAMPLE *in8 = row[0];
        for (int x = 0; x < width; ++x, in8 += comps) {
            if (comps == 1)
                out[x] = qRgb(in8[0], in8[0], in8[0]);
            else
                out[x] = cmykToRgb(in8, adobeInverted);
        }
    }
    jpeg_finish_decompress(cinfo);
    jpeg_destroy_decompress(cinfo);
    return true;
}

} // namespace

QImage DecodeJpeg(const unsigned char *data, std::size_t size)
{
    if (!data || size == 0)
        throw Exception("Invalid JPEG picture: no data");
    DecodeState state;
    if (!decodeInto(&state, data, size)) {
        if (state.tooLarge)
            throw Exception("Invalid JPEG picture: too large");
        throw Exception(std::string("Invalid JPEG picture: ") + state.err.message);
    }
    return state.image;
}

QImage LoadJpegFile(const AnsiString &path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw Exception("Cannot open picture file " + path);
    const QByteArray bytes = file.readAll();
    try {
        return DecodeJpeg(reinterpret_cast<const unsigned char *>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size()));
    } catch (const Exception &e) {
        throw Exception(e.Message + " (" + path + ")");
    }
}

QImage EmbeddedJpeg(const char *name)
{
    std::size_t size = 0;
    const unsigned char *data = EmbeddedPicture(name, &size);
    if (!data)
        return QImage();
    return DecodeJpeg(data, size);
}

QImage EmbeddedPng(const char *name)
{
    std::size_t size = 0;
    const unsigned char *data = EmbeddedPicture(name, &size);
    if (!data)
        return QImage();
    QBuffer buffer;
    buffer.setData(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    // With the format fixed, the reader takes Qt's own PNG decoder at once instead of loading every
    // picture-format plugin to ask whether it reads PNG.
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
