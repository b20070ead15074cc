#pragma once
// Shared by the build steps that embed texts: how a text is written as a C++ literal, the
// marks a translation must keep from its English, and the step's run from file to source.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace grahavani::build_step {

// What is wrong with an input file, which stops the build.
struct ShapeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The step's main: writes generate(<input>) to <generated .cpp>, or says why it cannot (status 1).
inline int RunEmbeddingStep(int argc, char** argv, std::string_view step, std::string_view input,
                            std::string (*generate)(const std::filesystem::path&)) {
    if (argc != 3) {
        std::cerr << "usage: " << step << " <" << input << "> <generated .cpp>\n";
        return 2;
    }
    try {
        const std::string source = generate(argv[1]);
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << source;
        if (!out.flush()) throw ShapeError(std::string(argv[2]) + ": cannot be written");
    } catch (const ShapeError& error) {
        std::cerr << step << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}

inline std::string CppLiteral(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c >= 0x20 && c < 0x7f) {
                    out += c;
                } else {
                    // Octal escapes end after three digits, so a following digit stays a digit.
                    char escape[5];
                    std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(c));
                    out += escape;
                }
        }
    }
    return out + "\"";
}

// The marks a text is built around: its line breaks and any %1-style placeholders.
inline std::string TextMarks(std::string_view text) {
    std::string marks;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') marks += "\\n ";
        if (text[i] != '%') continue;
        std::size_t end = i + 1;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
        if (end > i + 1) marks += std::string(text.substr(i, end - i)) + ' ';
    }
    return marks;
}

}  // namespace grahavani::build_step
