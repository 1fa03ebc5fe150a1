#include "app/InfoOptions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* usage =
    "Usage: xr970 [OPTIONS] [FILE.dat]\n"
    "\n"
    "XR-970 Programmer: read, edit and write the channels and options of the XR-970\n"
    "handheld radio over a serial programming cable.\n"
    "\n"
    "Options:\n"
    "  FILE.dat            open this channel-data file instead of a new document\n"
    "  --print FILE.dat    print the file on the default printer, then end\n"
    "  --demo              attach a virtual radio, so Read and Write work without a cable\n"
    "  -h, --help          show this help and end\n"
    "  --version           show the version and end\n"
    "\n"
    "Qt options:\n"
    "  -platform NAME      the window system plugin (xcb, wayland, offscreen)\n"
    "  -style NAME         the widget style (Fusion, Windows)\n";

bool given(int argc, const char* const argv[], const char* option)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

// 0 once what was printed arrived; 1, with the reason, when it did not (a full disk).
int flushed()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "xr970: standard output: %s\n", std::strerror(errno));
    return 1;
}

} // namespace

std::optional<int> answerInfoOption(int argc, const char* const argv[])
{
    if (given(argc, argv, "--help") || given(argc, argv, "-h")) {
        std::fputs(usage, stdout);
        return flushed();
    }
    if (given(argc, argv, "--version")) {
        std::printf("xr970 %s\n", XR_VERSION);
        return flushed();
    }
    return std::nullopt;
}
