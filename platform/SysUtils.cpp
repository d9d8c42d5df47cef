#include "platform/SysUtils.h"

#include "platform/Exceptions.h"

#include <QCoreApplication>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <unistd.h>

namespace
{

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// strtod that always reads "." as the decimal separator, whatever locale Qt or the user set.
double strtodC(const char *text, char **end)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(text, end, cLocale);
}

// Walks an optional sign and digits with an optional "."; returns where it stopped and counts
// the digits.
std::size_t scanMantissa(const std::string &s, std::size_t &digits)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    return i;
}

// The number part of a float text, without blanks: sign, digits with an optional ".", optional exponent.
bool isFloatSyntax(const std::string &s)
{
    std::size_t digits = 0;
    std::size_t i = scanMantissa(s, digits);
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == s.size();
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool tryStrToInt(const AnsiString &text, int &value)
{
    const std::string s = Trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i < s.size() &&
        (s[i] == '$' || (s[i] == '0' && i + 1 < s.size() && (s[i + 1] == 'x' || s[i + 1] == 'X')))) {
        // Hexadecimal: up to 32 bits, taken as the two's complement pattern ("$FFFFFFFF" is -1).
        i += s[i] == '$' ? 1 : 2;
        if (i == s.size())
            return false;
        unsigned long long bits = 0;
        for (; i < s.size(); ++i) {
            const int h = hexValue(s[i]);
            if (h < 0)
                return false;
            bits = bits * 16 + static_cast<unsigned>(h);
            if (bits > 0xFFFFFFFFull)
                return false;
        }
        auto pattern = static_cast<unsigned>(bits);
        if (negative)
            pattern = 0u - pattern;
        value = static_cast<int>(pattern);
        return true;
    }
    if (i == s.size())
        return false;
    long long magnitude = 0;
    for (; i < s.size(); ++i) {
        if (!isDigit(s[i]))
            return false;
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    const long long v = negative ? -magnitude : magnitude;
    if (v > INT_MAX || v < INT_MIN)
        return false;
    value = static_cast<int>(v);
    return true;
}

// FloatToStr shows the largest double rounded to 15 digits, "1.79769313486232E308", just beyond the
// range. A text that is the largest double rounded to the digits it shows stands for that double.
bool roundsToLargestDouble(const std::string &s)
{
    std::size_t i = s[0] == '+' || s[0] == '-' ? 1 : 0;
    std::string digits;         // significant digits as shown, trailing zeros included
    long long wholeDigits = 0;  // of them before the point
    long long leadingZeros = 0; // after the point, before the first significant digit
    bool point = false;
    for (; i < s.size() && (isDigit(s[i]) || s[i] == '.'); ++i) {
        if (s[i] == '.') {
            point = true;
        } else if (!digits.empty() || s[i] != '0') {
            digits += s[i];
            wholeDigits += point ? 0 : 1;
        } else if (point) {
            ++leadingZeros;
        }
    }
    long long exponent = wholeDigits > 0 ? wholeDigits - 1 : -(leadingZeros + 1); // of the first digit
    if (digits.empty() || digits.size() > 1000)
        return false;
    if (i < s.size()) { // the exponent part; far beyond the range it stays beyond
        const long long e = std::strtoll(s.c_str() + i + 1, nullptr, 10);
        exponent += std::max(-100000LL, std::min(100000LL, e));
    }
    char largest[1100];
    const auto res = std::to_chars(largest, largest + sizeof largest - 1, DBL_MAX,
                                   std::chars_format::scientific, static_cast<int>(digits.size()) - 1);
    *res.ptr = '\0';
    std::string largestDigits;
    const char *p = largest;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            largestDigits += *p;
    return digits == largestDigits && exponent == std::atoll(p + 1);
}

} // namespace

AnsiString FloatToStr(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // The shortest text that reads back as the value is the answer when it has at most 15
    // digits: the value then lies well within half a unit of its 15th digit.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    std::string sci(buf, res.ptr); // d[.ddd]e[+-]xx
    std::size_t e = sci.find('e');
    std::string digits = sci.substr(0, 1) + (e > 1 ? sci.substr(2, e - 2) : std::string());
    int exponent = std::atoi(sci.c_str() + e + 1);

    if (digits.size() > 15 || std::fabs(value) < DBL_MIN) { // subnormals carry fewer digits
        // 18 significant digits first, then rounded half up to 15 on the decimal digits, as the
        // library did from the floating-point unit's 18-digit decimal conversion.
        res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
        sci.assign(buf, res.ptr); // d.ddddddddddddddddde[+-]xx
        e = sci.find('e');
        digits = sci.substr(0, 1) + sci.substr(2, 17);
        exponent = std::atoi(sci.c_str() + e + 1);
        const bool roundUp = digits[15] >= '5';
        digits.resize(15);
        if (roundUp) {
            int i = 14;
            while (i >= 0 && digits[i] == '9')
                digits[i--] = '0';
            if (i >= 0) {
                ++digits[i];
            } else {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++exponent;
            }
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    const int n = static_cast<int>(digits.size());
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else if (n <= exponent + 1) {
            out += digits;
            out.append(static_cast<std::size_t>(exponent + 1 - n), '0');
        } else {
            out += digits.substr(0, static_cast<std::size_t>(exponent + 1));
            out += '.';
            out += digits.substr(static_cast<std::size_t>(exponent + 1));
        }
    } else {
        out += digits[0];
        if (n > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

bool TryStrToFloat(const AnsiString &text, double &value)
{
    const std::string s = Trim(text);
    if (!isFloatSyntax(s))
        return false;
    char *end = nullptr;
    const double v = strtodC(s.c_str(), &end);
    if (end != s.c_str() + s.size())
        return false;
    if (std::isinf(v) && !roundsToLargestDouble(s))
        return false; // beyond the double range; underflow gives 0 or a denormal and is accepted
    value = std::isinf(v) ? std::copysign(DBL_MAX, v) : v;
    return true;
}

bool IsUnfinishedFloat(const AnsiString &text)
{
    const std::string s = Trim(text);
    if (isFloatSyntax(s))
        return false;
    // Walk the grammar of isFloatSyntax; the text is unfinished when it ends inside it.
    std::size_t digits = 0;
    std::size_t i = scanMantissa(s, digits);
    if (i == s.size())
        return true;
    if (digits == 0 || (s[i] != 'e' && s[i] != 'E'))
        return false;
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    return i == s.size();
}

namespace
{

// "6.332574e-06" -> "6.332574E-6": no trailing zeros in the mantissa, the exponent as FloatToStr
// writes it.
std::string scientificText(double v, int significant)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, significant - 1);
    std::string text(buf, res.ptr);
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    return mantissa + "E" + std::to_string(std::atoi(text.c_str() + e + 1));
}

std::string fixedText(double v, int decimals)
{
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    if (res.ec != std::errc())
        return "";
    std::string text(buf, res.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

bool hasNonZeroDigit(const std::string &text)
{
    return text.find_first_of("123456789") != std::string::npos;
}

} // namespace

std::vector<AnsiString> ShorterNumberForms(const AnsiString &text)
{
    std::vector<AnsiString> forms;
    const std::string s = Trim(text);
    double v = 0;
    if (!TryStrToFloat(s, v))
        return forms;
    auto add = [&](const std::string &form) {
        const std::size_t last = forms.empty() ? s.size() : forms.back().size();
        // A value that is not zero never shows as zero.
        if (!form.empty() && form.size() < last && (v == 0 || hasNonZeroDigit(form)))
            forms.push_back(form);
    };
    const std::size_t e = s.find_first_of("eE");
    const std::size_t point = s.find('.');
    if (e == std::string::npos && point != std::string::npos) {
        // Past 40 decimals a double shows nothing but zeros or its exponent form is shorter.
        const int written = static_cast<int>(std::min<std::size_t>(s.size() - point - 1, 41));
        for (int decimals = written - 1; decimals >= 0; --decimals)
            add(fixedText(v, decimals));
    }
    // Mantissa and exponent: for a number written so, and for a plain one whose whole part is too wide.
    int significant = 0;
    for (std::size_t i = 0; i < std::min(e, s.size()); ++i)
        significant += isDigit(s[i]) ? 1 : 0;
    for (int digits = std::min(significant, 17); digits >= 1; --digits)
        add(scientificText(v, digits));
    return forms;
}

double StrToFloat(const AnsiString &text)
{
    double v = 0;
    if (!TryStrToFloat(text, v))
        throw EConvertError("'" + text + "' is not a valid floating point value");
    return v;
}

AnsiString IntToStr(long long value)
{
    return std::to_string(value);
}

int StrToInt(const AnsiString &text)
{
    int v = 0;
    if (!tryStrToInt(text, v))
        throw EConvertError("'" + text + "' is not a valid integer value");
    return v;
}

int StrToIntDef(const AnsiString &text, int fallback)
{
    int v = 0;
    return tryStrToInt(text, v) ? v : fallback;
}

AnsiString Trim(const AnsiString &text)
{
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

int Pos(const AnsiString &sub, const AnsiString &text)
{
    if (sub.empty())
        return 0;
    const std::size_t p = text.find(sub);
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

AnsiString SubString(const AnsiString &text, int start, int count)
{
    if (count <= 0)
        return "";
    if (start < 1)
        start = 1;
    const auto from = static_cast<std::size_t>(start - 1);
    if (from >= text.size())
        return "";
    return text.substr(from, static_cast<std::size_t>(count));
}

AnsiString TextBetween(const AnsiString &text, char open, char close)
{
    const std::size_t o = text.find(open);
    const std::size_t c = open == close ? text.find(close, o + 1) : text.find(close);
    if (o == std::string::npos || c == std::string::npos || c < o)
        return "";
    return text.substr(o + 1, c - o - 1);
}

AnsiString ExeDir()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string dir;
    if (n > 0) {
        dir.assign(path, static_cast<std::size_t>(n));
        dir.erase(dir.rfind('/') + 1);
        return dir;
    }
    if (QCoreApplication::instance())
        dir = QCoreApplication::applicationDirPath().toStdString();
    else if (char *cwd = getcwd(nullptr, 0)) {
        dir = cwd;
        std::free(cwd);
    }
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}
