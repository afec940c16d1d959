// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"
#include "web/events.h"

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace web {

// The page's address carries the set-up after '#', so a link opens the
// window as it was. It is replaced, never pushed: Back leaves the page
// rather than stepping through every press.
class Address {
public:
    // form is just loaded; the settings it has now are what a set-up's
    // missing parts fall back to.
    Address(wave::Form1& form, const wave::FormControls& controls);

    // The set-up of the address the page was opened with, if it has one.
    void open();
    // A set-up text, or a whole address, into the window as presses would leave it.
    void apply(std::string_view text);
    // After each event: the address says what the window shows. A held
    // arrow changes it twenty times a second, more than browsers let a page
    // replace its address: the writes are spaced, the last one always made.
    void follow();
    // The page's address with the window's set-up.
    std::string link() const;

private:
    void write(const std::string& text);

    wave::Form1& form_;
    wave::FormControls controls_;
    std::string written_; // the set-up in the address now
    Timer spacing_;
};

} // namespace web
