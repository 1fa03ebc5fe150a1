#pragma once

#include <optional>

// --help and --version of xr970: answered from the raw arguments before any application
// object exists, so they need no display and open no window.
// The exit status when one of them was given and answered on stdout, else nullopt.
std::optional<int> answerInfoOption(int argc, const char* const argv[]);
