#include "core/app/Texto.h"

#include <cctype>

namespace texto {
namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; undefined bytes keep their own value,
// as the server's latin1 does.
const char16_t kAltos[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t PontoDoByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kAltos[b - 0x80];
    return b;
}

int ByteDoPonto(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kAltos[i] == c) return 0x80 + i;
    return -1;
}

void AnexarUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

unsigned char MinusculaByte(unsigned char b) {
    if (b >= 'A' && b <= 'Z') return b + 32;
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return b + 32;
    if (b == 0x8A || b == 0x8C || b == 0x8E) return b + 16;
    if (b == 0x9F) return 0xFF;
    return b;
}

unsigned char MaiusculaByte(unsigned char b) {
    if (b >= 'a' && b <= 'z') return b - 32;
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return b - 32;
    if (b == 0x9A || b == 0x9C || b == 0x9E) return b - 16;
    if (b == 0xFF) return 0x9F;
    return b;
}

} // namespace

std::string Utf8ParaCp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        char32_t c;
        size_t n;
        if (b < 0x80) {
            c = b;
            n = 1;
        } else if ((b & 0xE0) == 0xC0 && i + 1 < s.size()) {
            c = ((b & 0x1F) << 6) | (s[i + 1] & 0x3F);
            n = 2;
        } else if ((b & 0xF0) == 0xE0 && i + 2 < s.size()) {
            c = ((b & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
            n = 3;
        } else if ((b & 0xF8) == 0xF0 && i + 3 < s.size()) {
            c = ((b & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) |
                (s[i + 3] & 0x3F);
            n = 4;
        } else {
            c = '?';
            n = 1;
        }
        int byte = ByteDoPonto(c);
        out += static_cast<char>(byte < 0 ? '?' : byte);
        i += n;
    }
    return out;
}

std::string Cp1252ParaUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (unsigned char b : s) AnexarUtf8(out, PontoDoByte(b));
    return out;
}

std::string Minusculas(std::string_view s) {
    std::string out(s);
    for (auto& c : out) c = static_cast<char>(MinusculaByte(static_cast<unsigned char>(c)));
    return out;
}

std::string Maiusculas(std::string_view s) {
    std::string out(s);
    for (auto& c : out) c = static_cast<char>(MaiusculaByte(static_cast<unsigned char>(c)));
    return out;
}

std::string Aparar(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= ' ') ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ') --b;
    return std::string(s.substr(a, b - a));
}

std::string ApararEspacos(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && s[a] == ' ') ++a;
    while (b > a && s[b - 1] == ' ') --b;
    return std::string(s.substr(a, b - a));
}

bool ComecaCom(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

bool TerminaCom(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

std::string Substituir(std::string s, std::string_view de, std::string_view para) {
    if (de.empty()) return s;
    size_t pos = 0;
    while ((pos = s.find(de, pos)) != std::string::npos) {
        s.replace(pos, de.size(), para);
        pos += para.size();
    }
    return s;
}

bool ParaInteiro(std::string_view s, long long& valor) {
    if (s.empty()) return false;
    size_t i = 0;
    bool negativo = false;
    if (s[0] == '-' || s[0] == '+') {
        negativo = s[0] == '-';
        i = 1;
    }
    if (i >= s.size()) return false;
    unsigned long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + static_cast<unsigned>(s[i] - '0');
        if (v > 9223372036854775807ULL) return false;
    }
    valor = negativo ? -static_cast<long long>(v) : static_cast<long long>(v);
    return true;
}

} // namespace texto
