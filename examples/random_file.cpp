// Writes a file of random numbers, reads it back and compares, shows how
// many milliseconds that took, and asks whether to do it again.
#include <cstdint>

#include <conkit/conkit.hpp>

namespace {

constexpr const char* kFileName = "random_numbers.dat";
constexpr std::uint32_t kNumberCount = 256 * 1024;
constexpr std::uint32_t kFileBytes = kNumberCount * sizeof(std::uint32_t);
constexpr std::uint32_t kMillisecondsPerDay = 86'400'000;

std::uint32_t written[kNumberCount];
std::uint32_t readBack[kNumberCount];

// Returns the number of bytes that reached the file, or 0 when it could not
// be created.
std::uint32_t WriteNumbers() {
    for (std::uint32_t& number : written) {
        number = conkit::GenerateRandom();
    }
    const conkit::FileHandle file = conkit::OpenFileForWriting(kFileName);
    if (file == conkit::kInvalidFileHandle) {
        return 0;
    }
    const std::uint32_t count = conkit::WriteFileBytes(file, written, kFileBytes);
    return conkit::ReleaseFileHandle(file) ? count : 0;
}

// Returns the number of bytes read back, up to the end of the file.
std::uint32_t ReadNumbers() {
    const conkit::FileHandle file = conkit::OpenFileForReading(kFileName);
    if (file == conkit::kInvalidFileHandle) {
        return 0;
    }
    auto* bytes = reinterpret_cast<unsigned char*>(readBack);
    std::uint32_t total = 0;
    for (;;) {
        const conkit::FileReadResult read =
            conkit::ReadFileBytes(file, bytes + total, kFileBytes - total);
        if (!read.succeeded || read.value == 0) {
            break;
        }
        total += read.value;
    }
    conkit::ReleaseFileHandle(file);
    return total;
}

std::uint32_t MatchingNumbers(std::uint32_t bytesRead) {
    std::uint32_t matching = 0;
    for (std::uint32_t i = 0; i < bytesRead / sizeof(std::uint32_t); ++i) {
        matching += written[i] == readBack[i] ? 1U : 0U;
    }
    return matching;
}

void ShowRound() {
    const std::uint32_t start = conkit::QueryMillisecondsOfDay();
    const std::uint32_t bytesWritten = WriteNumbers();
    const std::uint32_t bytesRead = ReadNumbers();
    const std::uint32_t matching = MatchingNumbers(bytesRead);
    // A round that runs past midnight wraps the clock.
    const std::uint32_t elapsed =
        (conkit::QueryMillisecondsOfDay() + kMillisecondsPerDay - start) % kMillisecondsPerDay;

    conkit::EmitText("Wrote ");
    conkit::EmitDecimal(bytesWritten);
    conkit::EmitText(" bytes, read ");
    conkit::EmitDecimal(bytesRead);
    conkit::EmitText(" back: ");
    conkit::EmitDecimal(matching);
    conkit::EmitText(" of ");
    conkit::EmitDecimal(kNumberCount);
    conkit::EmitText(" numbers equal.");
    conkit::NewLine();
    conkit::EmitText("First number 0x");
    conkit::EmitHex(written[0]);
    conkit::EmitText(", last 0x");
    conkit::EmitHex(written[kNumberCount - 1]);
    conkit::EmitText(". Took ");
    conkit::EmitDecimal(elapsed);
    conkit::EmitText(" ms.");
    conkit::NewLine();
}

}  // namespace

int main() {
    conkit::SeedRandomFromClock();
    do {
        ShowRound();
    } while (conkit::AskYesNo("Write and read the file again?", "Random file") == conkit::kIdYes);
    return 0;
}
