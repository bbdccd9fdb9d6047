#include "common/site/TextFolding.h"

#include <cstdint>

namespace vantorel {
namespace {

// The base letter of each code point of Latin-1 Supplement and Latin
// Extended-A and -B (U+00C0..U+024F) and of Latin Extended Additional
// (U+1E00..U+1EFF), from Unicode's decompositions. '.' keeps the character
// as it is (x, division sign, letters with no Latin base); capitals stand for
// two letters (see twoLetters).
constexpr std::string_view kLatin =
    "aaaaaaAceeeeiiiidnooooo.ouuuuyTSaaaaaaAceeeeiiiidnooooo.ouuuuyTy"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiIIjjkkklllllll"
    "lllnnnnnnnnnooooooEErrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs"
    "bb.....ccdddd....ffg...ikkl..nn.ooOOpp......tttuu.vyyzz........."
    "....DDDJJJNNNaaiioouuuuuuuuuu.aaaaAAggggkkoooo..jDDDgg..nnaaAAoo"
    "aaaaeeeeiiiioooorrrruuuusstt..hh.dUU..aaeeooooooooyylntj..acclts"
    "z..bu.eejj..rryy";
constexpr std::string_view kLatinAdditional =
    "aabbbbbbccddddddddddeeeeeeeeeeffgghhhhhhhhhhiiiikkkkkkllllllllmm"
    "mmmmnnnnnnnnoooooooopppprrrrrrrrssssssssssttttttttuuuuuuuuuuvvvv"
    "wwwwwwwwwwxxxxyyzzzzzzhtwyas..S.aaaaaaaaaaaaaaaaaaaaaaaaeeeeeeee"
    "eeeeeeeeiiiioooooooooooooooooooooooouuuuuuuuuuuuuuyyyyyyyyLL....";
static_assert(kLatin.size() == 0x250 - 0xC0);
static_assert(kLatinAdditional.size() == 0x100);

const char* twoLetters(char code) {
    switch (code) {
    case 'A': return "ae";
    case 'D': return "dz";
    case 'E': return "oe";
    case 'I': return "ij";
    case 'J': return "lj";
    case 'L': return "ll";
    case 'N': return "nj";
    case 'O': return "oi";
    case 'S': return "ss";
    case 'T': return "th";
    case 'U': return "ou";
    default: return nullptr;
    }
}

// Decodes one code point at `i`, moving `i` past it; -1 for a byte that does
// not start a well-formed sequence (then `i` moves one byte).
std::int32_t decode(std::string_view s, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int length = 0;
    std::int32_t cp = 0;
    std::int32_t least = 0;
    if ((b0 & 0xE0) == 0xC0) length = 2, cp = b0 & 0x1F, least = 0x80;
    else if ((b0 & 0xF0) == 0xE0) length = 3, cp = b0 & 0x0F, least = 0x800;
    else if ((b0 & 0xF8) == 0xF0) length = 4, cp = b0 & 0x07, least = 0x10000;
    if (length == 0 || i + length > s.size()) {
        ++i;
        return -1;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char b = byte(i + k);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += length;
    return cp;
}

void appendFolded(std::string& out, std::string_view original, std::int32_t cp) {
    char base = 0;
    if (cp >= 0xC0 && cp < 0x250) base = kLatin[cp - 0xC0];
    else if (cp >= 0x1E00 && cp < 0x1F00) base = kLatinAdditional[cp - 0x1E00];
    else if (cp == 0x2018 || cp == 0x2019 || cp == 0x02BC) base = '\'';
    else if (cp >= 0x2010 && cp <= 0x2015) base = '-';
    if (base == 0 || base == '.') {
        out.append(original);
    } else if (const char* pair = twoLetters(base)) {
        out.append(pair);
    } else {
        out.push_back(base);
    }
}

bool isSpace(std::int32_t cp) {
    return cp == ' ' || (cp >= 0x09 && cp <= 0x0D) || cp == 0xA0 || cp == 0x202F || cp == 0x3000 ||
           (cp >= 0x2000 && cp <= 0x200A);
}

}  // namespace

std::string foldForSearch(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    bool pendingSpace = false;
    for (size_t i = 0; i < utf8.size();) {
        const size_t start = i;
        const std::int32_t cp = decode(utf8, i);
        if (cp < 0 || (cp < 0x20 && !isSpace(cp)) || cp == 0x7F) continue;
        // Combining accents: text typed in decomposed form ("a" + U+0303).
        if (cp >= 0x300 && cp <= 0x36F) continue;
        if (isSpace(cp)) {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace) out.push_back(' ');
        pendingSpace = false;
        if (cp < 0x80) out.push_back(cp >= 'A' && cp <= 'Z' ? static_cast<char>(cp - 'A' + 'a')
                                                            : static_cast<char>(cp));
        else appendFolded(out, utf8.substr(start, i - start), cp);
    }
    return out;
}

bool isWellFormedUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();)
        if (decode(bytes, i) < 0) return false;
    return true;
}

}  // namespace vantorel
