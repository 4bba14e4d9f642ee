// Runs a fuzz target over saved inputs without the fuzzer: every file named
// on the command line and every file in every folder named, in name order.
// A broken check or a sanitizer report ends the run; the last "replaying"
// line names the input that did it.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::size_t first = inputs.size();
        if (fs::is_directory(argv[i]))
            inputs.insert(inputs.end(), fs::directory_iterator(argv[i]), fs::directory_iterator());
        else
            inputs.push_back(argv[i]);
        std::sort(inputs.begin() + static_cast<long>(first), inputs.end());
    }
    for (const fs::path& input : inputs) {
        std::printf("replaying %s\n", input.c_str());
        std::fflush(stdout);
        std::ifstream in(input, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        if (!in)
            return std::fprintf(stderr, "%s: cannot read %s\n", argv[0], input.c_str()), 2;
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs replayed, all passed\n", inputs.size());
    return inputs.empty() ? 2 : 0;
}
