#pragma once

#include <memory>
#include <string>

// Conversions between UTF-8 and the legacy 8-bit code pages that older files use.
// charset is an iconv name such as "BIG5", "GBK", "CP950", "CP1252".

bool IsValidUtf8(const std::string &bytes);
// Bytes in charset to UTF-8; undecodable bytes become U+FFFD, never throws.
std::string ToUtf8(const std::string &bytes, const char *charset);
// ToUtf8 for many texts of one code page, opening the converter once.
class Utf8Decoder
{
  public:
    explicit Utf8Decoder(const char *charset);
    ~Utf8Decoder();
    std::string operator()(const std::string &bytes);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
// UTF-8 to charset; characters the charset lacks are written as "?".
std::string FromUtf8(const std::string &utf8, const char *charset);
// Columns a text takes in a fixed-width font: East Asian wide characters count two.
int DisplayWidth(const std::string &utf8);
// text followed by blanks up to width columns (never cut), as "%-Ns" did with double-byte text.
std::string PadRight(const std::string &utf8, int width);
