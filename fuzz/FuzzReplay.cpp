// Replays seed inputs through a fuzz target's entry point without libFuzzer, so the
// target's checks run on its corpus in every build: each argument is a file or a folder
// whose files are all fed in, one input each. A broken check aborts with the input named
// just above; an argument that holds no input fails too, so a corpus moved away shows.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::set<fs::path> inputsOf(const fs::path& argument)
{
    if (!fs::is_directory(argument))
        return fs::is_regular_file(argument) ? std::set<fs::path>{argument} : std::set<fs::path>{};
    std::set<fs::path> inputs; // in name order, so a run is repeatable
    for (const fs::directory_entry& entry : fs::directory_iterator(argument))
        if (entry.is_regular_file())
            inputs.insert(entry.path());
    return inputs;
}

void replay(const fs::path& input)
{
    std::printf("%s\n", input.c_str());
    std::fflush(stdout);
    std::ifstream file(input, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    static const std::uint8_t none = 0; // libFuzzer never passes a null pointer
    LLVMFuzzerTestOneInput(bytes.empty() ? &none : bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "Usage: %s CORPUS-FOLDER-OR-FILE...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const std::set<fs::path> inputs = inputsOf(argv[i]);
        if (inputs.empty()) {
            std::fprintf(stderr, "%s: no input in %s\n", argv[0], argv[i]);
            return 1;
        }
        for (const fs::path& input : inputs)
            replay(input);
        std::printf("%zu inputs of %s replayed, every check held\n", inputs.size(), argv[i]);
    }
    return 0;
}
