// SPDX-License-Identifier: MIT
#pragma once

#include "web/css.h"

#include <emscripten/val.h>

#include <string>

// Small helpers over the page's document.
namespace web {

using emscripten::val;

// The page's window and document, looked up once.
const val& browser_window();
const val& document();
// A property's name as a page string, made once per name: a press reads
// and writes a few dozen properties, and making each name again costs more
// than the access. name must be a string literal.
const val& key(const char* name);
val create_element(const char* tag);
// Through the CSSOM, which a Content-Security-Policy without 'unsafe-inline' allows.
void set_style(const val& element, const char* property, const std::string& value);

} // namespace web
