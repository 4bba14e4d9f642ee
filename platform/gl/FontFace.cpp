#include "platform/gl/FontFace.h"

#include "platform/gl/FontRequest.h"

#include <fontconfig/fontconfig.h>

#include <cmath>

namespace {

// The size used when neither the request nor the desktop names one.
constexpr double kFallbackPixelSize = 13.0;

} // namespace

bool MatchFontFace(const FontRequest* request, FontFace& face)
{
    if (!FcInit())
        return false;

    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return false;
    const bool outlineOnly = request && request->outPrecision == kOutTrueTypeOnly;
    if (request) {
        if (request->faceName[0] != '\0')
            FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(request->faceName));
        if (request->weight > 0)
            FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(request->weight));
        if (request->height != 0)
            FcPatternAddDouble(pattern, FC_PIXEL_SIZE, std::abs(request->height));
        if (outlineOnly) {
            FcPatternAddString(pattern, FC_FONTFORMAT, reinterpret_cast<const FcChar8*>("TrueType"));
            FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
        }
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);

    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return false;

    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    int index = 0;
    double pixelSize = 0.0;
    FcBool outline = FcFalse;
    const bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
    if (found) {
        face.file = reinterpret_cast<const char*>(file);
        face.family = FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch && family
                          ? reinterpret_cast<const char*>(family)
                          : "";
        face.index = FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch ? index : 0;
        face.pixelSize = FcPatternGetDouble(match, FC_PIXEL_SIZE, 0, &pixelSize) == FcResultMatch && pixelSize > 0.0
                             ? pixelSize
                             : kFallbackPixelSize;
        face.outline = FcPatternGetBool(match, FC_OUTLINE, 0, &outline) == FcResultMatch && outline;
    }
    FcPatternDestroy(match);
    return found && (!outlineOnly || face.outline);
}
