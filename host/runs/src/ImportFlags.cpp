// Kestrin host program: the words of the import flags.
#include "Runs/ImportFlags.h"

#include <cctype>

namespace KestrinApp {

namespace {

// The index of word in words, ignoring case; -1 when absent.
int IndexOf(const std::vector<std::string>& words, const std::string& word) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& candidate = words[i];
        bool bSame = candidate.size() == word.size();
        for (std::size_t c = 0; bSame && c < word.size(); ++c) {
            bSame = std::tolower(static_cast<unsigned char>(word[c])) == candidate[c];
        }
        if (bSame) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

const std::vector<std::string>& SurfaceWords() {
    static const std::vector<std::string> words = {"mesh", "edges"};
    return words;
}

const std::vector<std::string>& MeshWords() {
    static const std::vector<std::string> words = {"polyface", "faces", "lines", "points"};
    return words;
}

const std::vector<std::string>& SwitchWords() {
    static const std::vector<std::string> words = {"on", "off"};
    return words;
}

std::optional<SurfaceChoice> SurfaceFromWord(const std::string& word) {
    const int index = IndexOf(SurfaceWords(), word);
    return index < 0 ? std::nullopt : std::optional(static_cast<SurfaceChoice>(index));
}

std::optional<MeshChoice> MeshFromWord(const std::string& word) {
    const int index = IndexOf(MeshWords(), word);
    return index < 0 ? std::nullopt : std::optional(static_cast<MeshChoice>(index));
}

std::optional<bool> SwitchFromWord(const std::string& word) {
    const int index = IndexOf(SwitchWords(), word);
    return index < 0 ? std::nullopt : std::optional(index == 0);
}

} // namespace KestrinApp
