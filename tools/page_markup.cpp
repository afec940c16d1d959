// SPDX-License-Identifier: MIT
// Prints the window as the page's markup ("markup", its spoken names in
// Japanese, the page's language until the browser asks for another) or its
// style rules ("style"), for the site build to put into the page.
#include "web/markup.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    const std::string_view what = argc > 1 ? argv[1] : "";
    if (what == "markup") {
        std::fputs(web::window_markup(wave::Language::Japanese).c_str(), stdout);
    } else if (what == "style") {
        std::fputs(web::window_style().c_str(), stdout);
    } else {
        std::fputs("usage: page_markup markup|style\n", stderr);
        return 2;
    }
    return 0;
}
