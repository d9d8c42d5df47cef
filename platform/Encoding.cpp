#include "platform/Encoding.h"

#include <cerrno>
#include <iconv.h>

namespace
{

const char replacementChar[] = "\xEF\xBF\xBD"; // U+FFFD

// Length of the well-formed UTF-8 sequence at s[i], 0 when the bytes there are not one
// (overlong forms, surrogates and values above U+10FFFF included). cp receives the code point.
std::size_t utf8SequenceAt(const std::string &s, std::size_t i, char32_t &cp)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t len;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const unsigned char b = byte(i + k);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

bool isWide(char32_t cp)
{
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
           (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

class Converter
{
  public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of in[pos..] as possible, appending to out; returns false at a sequence that
    // cannot be converted (pos then points at it) and true when all input was taken.
    bool convert(const std::string &in, std::size_t &pos, std::string &out)
    {
        char buf[4096];
        while (pos < in.size()) {
            char *src = const_cast<char *>(in.data()) + pos;
            std::size_t srcLeft = in.size() - pos;
            char *dst = buf;
            std::size_t dstLeft = sizeof buf;
            const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            const int err = errno;
            out.append(buf, static_cast<std::size_t>(dst - buf));
            pos = in.size() - srcLeft;
            if (r == static_cast<std::size_t>(-1) && err != E2BIG) {
                iconv(cd_, nullptr, nullptr, nullptr, nullptr); // back to the initial shift state
                return false;
            }
        }
        return true;
    }

  private:
    iconv_t cd_;
};

} // namespace

bool IsValidUtf8(const std::string &bytes)
{
    char32_t cp;
    for (std::size_t i = 0; i < bytes.size();) {
        // Most text is ASCII: skip it without decoding.
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t len = utf8SequenceAt(bytes, i, cp);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

struct Utf8Decoder::Impl {
    explicit Impl(const char *charset) : conv("UTF-8", charset) {}
    Converter conv;
};

Utf8Decoder::Utf8Decoder(const char *charset) : impl_(std::make_unique<Impl>(charset)) {}

Utf8Decoder::~Utf8Decoder() = default;

std::string Utf8Decoder::operator()(const std::string &bytes)
{
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    Converter &conv = impl_->conv;
    std::size_t pos = 0;
    if (!conv.ok()) {
        // Unknown code page: keep ASCII, mark the rest.
        for (char c : bytes) {
            if (static_cast<unsigned char>(c) < 0x80)
                out += c;
            else
                out += replacementChar;
        }
        return out;
    }
    while (!conv.convert(bytes, pos, out)) {
        out += replacementChar;
        ++pos;
    }
    return out;
}

std::string ToUtf8(const std::string &bytes, const char *charset)
{
    return Utf8Decoder(charset)(bytes);
}

std::string FromUtf8(const std::string &utf8, const char *charset)
{
    std::string out;
    out.reserve(utf8.size());
    Converter conv(charset, "UTF-8");
    std::size_t pos = 0;
    char32_t cp;
    if (!conv.ok()) {
        for (std::size_t i = 0; i < utf8.size();) {
            const std::size_t len = utf8SequenceAt(utf8, i, cp);
            out += len == 1 ? utf8[i] : '?';
            i += len == 0 ? 1 : len;
        }
        return out;
    }
    while (!conv.convert(utf8, pos, out)) {
        out += '?';
        const std::size_t len = utf8SequenceAt(utf8, pos, cp);
        pos += len == 0 ? 1 : len;
    }
    return out;
}

int DisplayWidth(const std::string &utf8)
{
    int width = 0;
    char32_t cp;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = utf8SequenceAt(utf8, i, cp);
        if (len == 0) {
            width += 1; // a stray byte shows as one replacement mark
            i += 1;
            continue;
        }
        width += isWide(cp) ? 2 : 1;
        i += len;
    }
    return width;
}

std::string PadRight(const std::string &utf8, int width)
{
    const int w = DisplayWidth(utf8);
    std::string out = utf8;
    if (w < width)
        out.append(static_cast<std::size_t>(width - w), ' ');
    return out;
}
