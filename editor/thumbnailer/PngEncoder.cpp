#include "editor/thumbnailer/PngEncoder.h"

#include "editor/thumbnailer/Thumbnail.h"

#include <png.h>

bool EncodePng(const Thumbnail& picture, std::vector<std::uint8_t>& png, std::string& reason)
{
    // The library's simplified interface reports errors in its result, with
    // no jump out of our frames.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    // The first call measures, the second writes.
    if (png_image_write_get_memory_size(image, size, 0, picture.rgb.data(), 0, nullptr)) {
        png.resize(size);
        if (png_image_write_to_memory(&image, png.data(), &size, 0, picture.rgb.data(), 0, nullptr)) {
            png.resize(size);
            return true;
        }
    }
    reason = image.message;
    png_image_free(&image);
    png.clear();
    return false;
}
