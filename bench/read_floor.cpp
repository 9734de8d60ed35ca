// Reads every file named on the command line, or listed one a line in the
// file after -T ("-" for standard input), and does nothing with it: the least
// any checker must do, timed beside `wepn check` by scripts/bench-check.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::size_t readFile(const char* path, std::vector<char>& buffer) {
    std::size_t total = 0;
    if (std::FILE* file = std::fopen(path, "rb")) {
        while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file)) {
            total += n;
        }
        std::fclose(file);
    }
    return total;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<char> buffer(1 << 16);
    std::size_t total = 0;
    if (argc == 3 && std::strcmp(argv[1], "-T") == 0) {
        std::ifstream listFile;
        if (std::strcmp(argv[2], "-") != 0) {
            listFile.open(argv[2]);
        }
        std::istream& list = std::strcmp(argv[2], "-") == 0 ? std::cin : listFile;
        for (std::string path; std::getline(list, path);) {
            total += readFile(path.c_str(), buffer);
        }
    } else {
        for (int i = 1; i < argc; ++i) {
            total += readFile(argv[i], buffer);
        }
    }
    return total == 0 ? 1 : 0;
}
