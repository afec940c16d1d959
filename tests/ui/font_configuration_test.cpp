#include "ui/qt/font_configuration.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
using Config = std::unique_ptr<FcConfig, ConfigDeleter>;

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

// What a face is drawn with, as fontconfig answers Qt when it loads the face.
std::string rendering(FcConfig* config, const char* request) {
    Pattern pattern(FcNameParse(reinterpret_cast<const FcChar8*>(request)));
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(config, pattern.get(), &result));
    if (!match) {
        return "no match";
    }
    FcChar8* text = FcPatternFormat(
        match.get(), reinterpret_cast<const FcChar8*>(
                         "file=%{file} index=%{index} antialias=%{antialias} hinting=%{hinting} "
                         "hintstyle=%{hintstyle} autohint=%{autohint} lcdfilter=%{lcdfilter} "
                         "rgba=%{rgba} embolden=%{embolden} embeddedbitmap=%{embeddedbitmap} "
                         "matrix=%{matrix} weight=%{weight} slant=%{slant}"));
    std::string out = text != nullptr ? reinterpret_cast<const char*>(text) : "unformatted";
    FcStrFree(text);
    return out;
}

// The program's own configuration must find the same files for the window's
// faces as a stock Debian configuration, and draw them alike.
TEST(FontConfiguration, DrawsTheWindowsFacesAsTheSystemDoes) {
    const Config own(own_font_configuration());
    ASSERT_NE(own, nullptr);
    const Config system_config(FcInitLoadConfigAndFonts());
    ASSERT_NE(system_config, nullptr);
    FcConfig* system = system_config.get();
    for (const char* face :
         {"Liberation Serif:pixelsize=13", "Liberation Serif:pixelsize=13:slant=100",
          "Liberation Serif:pixelsize=11", "IPAPGothic:pixelsize=13",
          "IPAGothic:pixelsize=13:weight=200", "IPAPGothic:pixelsize=13:slant=100"}) {
        EXPECT_EQ(rendering(own.get(), face), rendering(system, face)) << face;
    }
}

TEST(FontConfiguration, IsRefusedWhenItsFoldersLackTheWindowsFaces) {
    const char* empty = R"(<?xml version="1.0"?>
<fontconfig><dir>/nonexistent/fonts</dir></fontconfig>)";
    EXPECT_EQ(own_font_configuration(empty), nullptr);
}

} // namespace
