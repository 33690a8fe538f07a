// Measures the hardware dictionary's rows as the SutonnyMJ font will receive them. For each line
// "Abbreviation<TAB>Unicode Bengali" of a text file it prints
//     ROW<TAB>LENGTH<TAB>high|low[<TAB>HEX]
// where ROW is FIRSTROW plus the line's index, LENGTH the number of font bytes, "high" that some
// byte is 0x80 or above, and HEX (with -x) the bytes themselves. A row that cannot be set prints
//     ROW<TAB>error<TAB>MESSAGE
// and makes the exit status 1.
#include "platform/core/SutonnyMj.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

namespace {

int Usage() {
    std::cerr << "usage: sutonnycheck [-x] FILE.tsv [FIRSTROW]\n";
    return 2;
}

std::string Hex(std::string_view bytes) {
    std::string out;
    char buf[4];
    for (char ch : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned>(static_cast<unsigned char>(ch)));
        if (!out.empty())
            out += ' ';
        out += buf;
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    bool hex = false;
    std::string file;
    long firstRow = 0;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "-x") {
            hex = true;
        } else if (positional == 0) {
            file = arg;
            ++positional;
        } else if (positional == 1) {
            char* end = nullptr;
            firstRow = std::strtol(argv[i], &end, 10);
            if (end == argv[i] || *end != '\0')
                return Usage();
            ++positional;
        } else {
            return Usage();
        }
    }
    if (positional == 0)
        return Usage();

    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "sutonnycheck: cannot read " << file << "\n";
        return 1;
    }
    bool failed = false;
    std::string line;
    long row = firstRow;
    for (; std::getline(in, line); ++row) {
        auto tab = line.find('\t');
        if (tab == std::string::npos || line.find('\t', tab + 1) != std::string::npos) {
            std::cout << row << "\terror\texpected exactly one tab between abbreviation and elaboration\n";
            failed = true;
            continue;
        }
        try {
            std::string bytes = platform::EncodeSutonnyMj(std::string_view(line).substr(tab + 1));
            bool high = false;
            for (char ch : bytes)
                high = high || static_cast<unsigned char>(ch) >= 0x80;
            std::cout << row << '\t' << bytes.size() << '\t' << (high ? "high" : "low");
            if (hex)
                std::cout << '\t' << Hex(bytes);
            std::cout << '\n';
        } catch (const platform::SutonnyMjEncodeError& e) {
            std::cout << row << "\terror\t" << e.what() << '\n';
            failed = true;
        }
    }
    return failed ? 1 : 0;
}
