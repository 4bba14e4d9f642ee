#include "platform/FontFace.h"
#include "platform/FontRequest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

bool Readable(const std::string& file)
{
    return std::ifstream(file).good();
}

FontRequest Request(const char* face, unsigned char precision)
{
    FontRequest request;
    request.height = -12;
    request.weight = 400;
    request.outPrecision = precision;
    request.SetFaceName(face);
    return request;
}

TEST(FontFace, MatchesAnInstalledFace)
{
    // An unknown face falls back to an installed sans outline face.
    FontRequest request = Request("Ariel", kOutTrueTypeOnly);
    FontFace face;
    ASSERT_TRUE(MatchFontFace(&request, face));
    EXPECT_TRUE(face.outline);
    EXPECT_TRUE(Readable(face.file)) << face.file;
    EXPECT_NE(face.family.find("Sans"), std::string::npos) << face.family;

    // A negative height is the em height in pixels.
    request = Request("Courier", kOutDefaultPrecision);
    ASSERT_TRUE(MatchFontFace(&request, face));
    EXPECT_DOUBLE_EQ(face.pixelSize, 12.0);

    // No request means the default face at its default size.
    face = FontFace();
    ASSERT_TRUE(MatchFontFace(nullptr, face));
    EXPECT_TRUE(Readable(face.file)) << face.file;
    EXPECT_GT(face.pixelSize, 0.0);
}

TEST(FontRequest, FaceNamesAreCutToTheFieldsRoom)
{
    struct Case {
        const char* name;
        std::string stored;
    };
    const std::string longName(40, 'x');
    const Case cases[] = {
        {nullptr, ""},
        {"", ""},
        {"Ariel", "Ariel"},
        {"0123456789012345678901234567890", "0123456789012345678901234567890"},
        {longName.c_str(), std::string(kFaceNameSize - 1, 'x')},
    };
    for (const Case& c : cases) {
        FontRequest request;
        request.SetFaceName("previous name");
        request.SetFaceName(c.name);
        EXPECT_EQ(std::string(request.faceName), c.stored);
        EXPECT_EQ(request.faceName[kFaceNameSize - 1], '\0');
    }
}

} // namespace
