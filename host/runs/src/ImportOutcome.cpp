// Kestrin host program: an import's outcome read from the module's closing line, and its report
// line.
#include "Runs/ImportOutcome.h"

#include "KestrinPosix/WriteAll.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace KestrinApp {

namespace {

constexpr std::wstring_view kSuccessStart = L"Successfully imported ";
constexpr std::wstring_view kSuccessEnd = L" objects";
constexpr std::string_view kImportedWord = "imported ";
constexpr std::string_view kNotImportedWord = "not-imported ";

// The decimal number that is all of text; no value when text is anything else.
std::optional<std::uint64_t> WholeNumber(std::string_view text) {
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

} // namespace

std::optional<std::uint64_t> ImportedObjectCount(const std::wstring& line) {
    const std::wstring_view text(line);
    if (text.size() <= kSuccessStart.size() + kSuccessEnd.size() ||
        text.substr(0, kSuccessStart.size()) != kSuccessStart ||
        text.substr(text.size() - kSuccessEnd.size()) != kSuccessEnd) {
        return std::nullopt;
    }
    const std::wstring_view digits =
        text.substr(kSuccessStart.size(), text.size() - kSuccessStart.size() - kSuccessEnd.size());
    if (!std::all_of(digits.begin(), digits.end(),
                     [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
        return std::nullopt;
    }
    return WholeNumber(std::string(digits.begin(), digits.end()));
}

std::string ReportLine(const ImportOutcome& outcome) {
    if (outcome.bImported) {
        return std::string(kImportedWord) + std::to_string(outcome.count) + "\n";
    }
    std::string reason = outcome.reason;
    std::replace(reason.begin(), reason.end(), '\n', ' ');
    return std::string(kNotImportedWord) + reason + "\n";
}

std::optional<ImportOutcome> ParseReportLine(const std::string& line) {
    const std::string_view text(line);
    if (text.substr(0, kImportedWord.size()) == kImportedWord) {
        const std::optional<std::uint64_t> count = WholeNumber(text.substr(kImportedWord.size()));
        if (!count) {
            return std::nullopt;
        }
        return ImportOutcome{true, *count, std::string()};
    }
    if (text.substr(0, kNotImportedWord.size()) == kNotImportedWord) {
        return ImportOutcome{false, 0, std::string(text.substr(kNotImportedWord.size()))};
    }
    return std::nullopt;
}

int WriteReport(int fd, const ImportOutcome& outcome) {
    const std::string line = ReportLine(outcome);
    return kposix::WriteAll(fd, line.data(), line.size());
}

} // namespace KestrinApp
