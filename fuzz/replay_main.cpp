// Feeds files to a fuzz target without libFuzzer, so that the seed corpus
// runs in CTest and a crash file can be replayed under a debugger:
//   replay_document corpus/document crash-1234
// Directories are walked recursively; arguments starting with '-' (libFuzzer
// options) are ignored.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);

namespace {

bool RunFile(const std::filesystem::path& Path)
{
    std::ifstream in(Path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", Path.c_str());
        return false;
    }
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A copy of exactly the file's size, so that reads past the end are caught.
    std::vector<uint8_t> data(bytes.begin(), bytes.end());
    static uint8_t none = 0;
    LLVMFuzzerTestOneInput(data.empty() ? &none : data.data(), data.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> files;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("-"))
            continue;
        std::error_code ec;
        if (std::filesystem::is_directory(arg, ec)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(arg, ec))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else if (std::filesystem::is_regular_file(arg, ec)) {
            files.push_back(arg);
        } else {
            std::fprintf(stderr, "no such file or directory: %s\n", arg.c_str());
            ok = false;
        }
    }
    std::sort(files.begin(), files.end());
    int ran = 0;
    for (const auto& file : files)
        if (RunFile(file))
            ++ran;
        else
            ok = false;
    std::printf("ran %d input(s)\n", ran);
    return ok && ran > 0 ? 0 : 1;
}
