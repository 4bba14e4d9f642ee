#include "platform/gl/BitmapGlyphLists.h"

#include "platform/gl/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <GL/gl.h>

#include <cmath>
#include <vector>

namespace {

// glBitmap rows run bottom to top, one bit per pixel, most significant bit
// first, packed without padding (unpack alignment 1).
struct GlyphBitmap {
    int width = 0;
    int height = 0;
    float xOrigin = 0.0f;
    float yOrigin = 0.0f;
    float advance = 0.0f;
    std::vector<GLubyte> bits;
};

bool PixelSet(const FT_Bitmap& bitmap, const unsigned char* row, unsigned x)
{
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        return (row[x / 8] & (0x80 >> (x % 8))) != 0;
    return row[x] >= 128;  // grey embedded bitmaps: half coverage or more
}

void ConvertGlyph(const FT_GlyphSlot slot, GlyphBitmap& out)
{
    const FT_Bitmap& bitmap = slot->bitmap;
    out.advance = static_cast<float>(slot->advance.x) / 64.0f;
    if (bitmap.width == 0 || bitmap.rows == 0 || !bitmap.buffer)
        return;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
        return;
    out.width = static_cast<int>(bitmap.width);
    out.height = static_cast<int>(bitmap.rows);
    out.xOrigin = static_cast<float>(-slot->bitmap_left);
    out.yOrigin = static_cast<float>(out.height - slot->bitmap_top);
    const unsigned rowBytes = (bitmap.width + 7) / 8;
    out.bits.assign(rowBytes * bitmap.rows, 0);
    const unsigned stride = static_cast<unsigned>(std::abs(bitmap.pitch));
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        // A negative pitch stores the rows bottom first.
        const unsigned sourceRow = bitmap.pitch >= 0 ? y : bitmap.rows - 1 - y;
        const unsigned char* row = bitmap.buffer + static_cast<size_t>(sourceRow) * stride;
        GLubyte* target = &out.bits[static_cast<size_t>(bitmap.rows - 1 - y) * rowBytes];
        for (unsigned x = 0; x < bitmap.width; ++x) {
            if (PixelSet(bitmap, row, x))
                target[x / 8] |= static_cast<GLubyte>(0x80 >> (x % 8));
        }
    }
}

bool SetSize(FT_Face face, double pixelSize)
{
    const FT_UInt pixels = static_cast<FT_UInt>(std::lround(pixelSize > 1.0 ? pixelSize : 1.0));
    if (FT_IS_SCALABLE(face))
        return FT_Set_Pixel_Sizes(face, 0, pixels) == 0;
    if (face->num_fixed_sizes <= 0)
        return false;
    // A bitmap-only face: take the strike nearest the wanted size.
    int best = 0;
    for (int i = 1; i < face->num_fixed_sizes; ++i) {
        if (std::abs(face->available_sizes[i].height - static_cast<int>(pixels))
            < std::abs(face->available_sizes[best].height - static_cast<int>(pixels)))
            best = i;
    }
    return FT_Select_Size(face, best) == 0;
}

} // namespace

bool BuildBitmapGlyphLists(const FontFace& face, unsigned first, unsigned count, unsigned listBase)
{
    if (face.file.empty() || listBase == 0)
        return false;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return false;
    FT_Face ftFace = nullptr;
    if (FT_New_Face(library, face.file.c_str(), face.index, &ftFace) != 0) {
        FT_Done_FreeType(library);
        return false;
    }
    FT_Select_Charmap(ftFace, FT_ENCODING_UNICODE);
    const bool sized = SetSize(ftFace, face.pixelSize);
    if (sized) {
        // The bitmaps are copied into the lists as they are recorded, with
        // the unpack state of that moment.
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
        glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
        glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
        // Blank glyphs (space) still need a real bitmap: the driver drops a
        // recorded glBitmap without one, and the raster move with it.
        static const GLubyte kBlank[1] = {0};
        for (unsigned i = 0; i < count; ++i) {
            GlyphBitmap glyph;
            const FT_UInt index = FT_Get_Char_Index(ftFace, first + i);
            if (FT_Load_Glyph(ftFace, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0)
                ConvertGlyph(ftFace->glyph, glyph);
            const bool blank = glyph.bits.empty();
            glNewList(listBase + i, GL_COMPILE);
            glBitmap(blank ? 1 : glyph.width, blank ? 1 : glyph.height, blank ? 0.0f : glyph.xOrigin,
                     blank ? 0.0f : glyph.yOrigin, glyph.advance, 0.0f, blank ? kBlank : glyph.bits.data());
            glEndList();
        }
        glPopClientAttrib();
    }
    FT_Done_Face(ftFace);
    FT_Done_FreeType(library);
    return sized;
}
