// Writes COUNT generated inputs for the countdown programs into FOLDER as 000.in,
// 001.in, ...: numbers in all three bases, signs, numbers far beyond 64 bits, letters,
// control bytes and mixed white space. The same SEED gives the same files everywhere:
// mt19937's sequence is fixed by the standard, unlike that of the distributions.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

using Random = std::mt19937;

std::uint32_t below(Random& random, std::uint32_t bound)
{
    return static_cast<std::uint32_t>(random() % bound);
}

std::string pick(Random& random, const std::string& characters, std::uint32_t count)
{
    std::string picked;
    for (std::uint32_t i = 0; i < count; ++i) {
        picked += characters[below(random, static_cast<std::uint32_t>(characters.size()))];
    }
    return picked;
}

std::string sign(Random& random)
{
    const std::uint32_t roll = below(random, 4);
    return roll == 0 ? "-" : roll == 1 ? "+" : "";
}

std::string controlBytes(Random& random)
{
    std::string bytes;
    for (std::uint32_t i = 0, count = 1 + below(random, 4); i < count; ++i) {
        const std::uint32_t roll = below(random, 3);
        bytes += static_cast<char>(roll == 0 ? below(random, 32) : roll == 1 ? 127U : 128 + below(random, 128));
    }
    return bytes;
}

// Each piece is appended in its own statement: the operands of + may be evaluated in any
// order, which would make the files depend on the compiler.
std::string token(Random& random)
{
    const std::string digits = "0123456789";
    std::string text;
    const std::uint32_t kind = below(random, 8);
    if (kind <= 3) {
        text += sign(random);
    }
    switch (kind) {
    case 0: // decimal
        text += pick(random, digits, 1 + below(random, 10));
        break;
    case 1: // octal, at times stopped by an 8 or 9
        text += "0";
        text += pick(random, "01234567", below(random, 12));
        text += pick(random, "89", below(random, 2));
        break;
    case 2: // hexadecimal, at times only the prefix
        text += "0";
        text += pick(random, "xX", 1);
        text += pick(random, digits + "abcdefABCDEF", below(random, 18));
        break;
    case 3: // far beyond 64 bits
        text += pick(random, "123456789", 1);
        text += pick(random, digits, 19 + below(random, 30));
        break;
    case 4:
        text += pick(random, "abcdefghijklmnopqrstuvwxyzXYZ", 1 + below(random, 6));
        break;
    case 5:
        text += controlBytes(random);
        break;
    case 6: // a number with punctuation inside
        text += pick(random, digits, 1 + below(random, 3));
        text += pick(random, ".,-+x", 1);
        text += pick(random, digits, below(random, 3));
        break;
    default:
        text += pick(random, digits, 1 + below(random, 2));
        break;
    }
    return text;
}

std::string space(Random& random)
{
    static const char* const spaces[] = {" ", "  ", "\t", "\n", "\r\n", "\n\n", " \t\r\n", "\v", "\f"};
    return spaces[below(random, sizeof spaces / sizeof spaces[0])];
}

std::string input(Random& random)
{
    std::string text = below(random, 4) == 0 ? space(random) : "";
    for (std::uint32_t i = 0, count = below(random, 5); i < count; ++i) {
        text += token(random);
        text += space(random);
    }
    if (!text.empty() && below(random, 4) == 0) {
        text.pop_back(); // input that ends without a newline
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        static_cast<void>(std::fputs("usage: generate-inputs FOLDER COUNT SEED\n", stderr));
        return 2;
    }
    const std::string folder = argv[1];
    const long count = std::strtol(argv[2], nullptr, 10);
    Random random(static_cast<Random::result_type>(std::strtoul(argv[3], nullptr, 10)));

    for (long i = 0; i < count; ++i) {
        std::string path = std::to_string(i);
        path.insert(0, path.size() < 3 ? 3 - path.size() : 0, '0');
        path.insert(0, folder + "/");
        path += ".in";
        const std::string text = i == 0 ? "" : input(random);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr || std::fwrite(text.data(), 1, text.size(), file) != text.size()
            || std::fclose(file) != 0) {
            std::perror(path.c_str());
            return 1;
        }
    }
    return 0;
}
