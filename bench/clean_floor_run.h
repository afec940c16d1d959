// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// Runs the clean_floor program beside this one with these benchmark flags
// (any filter left out), passes its report on, and returns its floor in
// seconds; nothing when it could not be run.
std::optional<double> run_clean_floor(int argc, char** argv);
