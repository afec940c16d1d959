// SPDX-License-Identifier: MIT
#include "web/dom.h"
#include "web/page.h"

#include <memory>

int main() {
    // The page lives as long as the browser's tab: main returns, the runtime stays.
    static std::unique_ptr<web::Page> page;
    page = std::make_unique<web::Page>(
        web::document().call<emscripten::val>("getElementById", emscripten::val("app")));
    page->start();
    return 0;
}
