#include "font.h"

#include <cstdio>
#include <unordered_map>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

constexpr int kPixelSize = 16;
constexpr size_t kCacheLimit = 512;

struct Font {
    bool tried = false;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

// Asks fontconfig for each pattern in turn; the first file found wins.
std::string findFontFile() {
    const char* patterns[] = {"Unifont\\-JP", "Unifont", ":lang=ja"};
    std::string found;
    FcConfig* config = FcInitLoadConfigAndFonts();
    for (const char* name : patterns) {
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name));
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        FcPattern* match = FcFontMatch(config, pattern, &result);
        FcChar8* file = nullptr;
        FcChar8* family = nullptr;
        if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
            FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch) {
            const std::string fam = reinterpret_cast<const char*>(family);
            // A plain name pattern always matches something; take it only if
            // it is the font asked for or it covers Japanese.
            if (name[0] == ':' || fam.find("Unifont") != std::string::npos)
                found = reinterpret_cast<const char*>(file);
        }
        if (match) FcPatternDestroy(match);
        FcPatternDestroy(pattern);
        if (!found.empty()) break;
    }
    FcConfigDestroy(config);
    return found;
}

Font& font() {
    static Font f;
    if (f.tried) return f;
    f.tried = true;
    const std::string file = findFontFile();
    if (file.empty() || FT_Init_FreeType(&f.library) != 0 ||
        FT_New_Face(f.library, file.c_str(), 0, &f.face) != 0 ||
        FT_Set_Pixel_Sizes(f.face, 0, kPixelSize) != 0) {
        std::fprintf(stderr, "warning: no Japanese-capable font found; texts are not drawn\n");
        f.face = nullptr;
    }
    return f;
}

// Next code point of a UTF-8 string (the decoder only ever produces valid UTF-8).
uint32_t nextCodePoint(const std::string& s, size_t& i) {
    const unsigned char c = s[i++];
    if (c < 0x80) return c;
    const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    uint32_t cp = c & (0x3F >> extra);
    for (int k = 0; k < extra && i < s.size(); ++k) cp = (cp << 6) | (s[i++] & 0x3F);
    return cp;
}

void stampGlyph(TextMask& mask, const FT_Bitmap& bitmap, int left, int top) {
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* line = bitmap.buffer + row * bitmap.pitch;
        for (unsigned col = 0; col < bitmap.width; ++col) {
            if (!(line[col >> 3] & (0x80 >> (col & 7)))) continue;
            const int x = left + int(col), y = top + int(row);
            if (x >= 0 && x < mask.width && y >= 0 && y < mask.height) mask.bits[y * mask.width + x] = 1;
        }
    }
}

TextMask render(const std::string& utf8) {
    TextMask mask;
    FT_Face face = font().face;
    if (!face) return mask;
    const int ascender = int(face->size->metrics.ascender >> 6);
    // First pass: the width; second pass: the pixels.
    int width = 0;
    for (size_t i = 0; i < utf8.size();) {
        if (FT_Load_Char(face, nextCodePoint(utf8, i), FT_LOAD_DEFAULT) == 0)
            width += int(face->glyph->advance.x >> 6);
    }
    mask.width = width;
    mask.height = kPixelSize;
    mask.bits.assign(size_t(width) * kPixelSize, 0);
    int pen = 0;
    for (size_t i = 0; i < utf8.size();) {
        if (FT_Load_Char(face, nextCodePoint(utf8, i), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) continue;
        const FT_GlyphSlot g = face->glyph;
        if (g->bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
            stampGlyph(mask, g->bitmap, pen + g->bitmap_left, ascender - g->bitmap_top);
        pen += int(g->advance.x >> 6);
    }
    return mask;
}

} // namespace

const TextMask& renderTextMask(const std::string& utf8) {
    // Texts with numbers change every frame; a full cache starts over.
    static std::unordered_map<std::string, TextMask> cache;
    auto it = cache.find(utf8);
    if (it != cache.end()) return it->second;
    if (cache.size() >= kCacheLimit) cache.clear();
    return cache.emplace(utf8, render(utf8)).first->second;
}
