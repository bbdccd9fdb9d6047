#include "common/site/ZoneNameList.h"

#include <algorithm>
#include <system_error>

#include "common/files/SafeFile.h"
#include "common/site/TextFolding.h"
#include "engine/TimeZone.h"

namespace vantorel {

namespace {

// tzdata.zi is about 100 KB, zone.tab 20 KB; a list this large is not one.
constexpr std::size_t kMaxListBytes = 4 << 20;
// The database holds some 600 names; a few times that is plenty.
constexpr std::size_t kMaxNames = 5000;
// Lines of the lists are under 200 characters; a longer one is skipped.
constexpr std::size_t kMaxLineLength = 1024;

std::vector<std::string_view> fields(std::string_view line, bool tabsOnly) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < line.size() && out.size() < 4) {
        const auto isSeparator = [&](char c) { return c == '\t' || (!tabsOnly && c == ' '); };
        while (at < line.size() && isSeparator(line[at])) ++at;
        std::size_t end = at;
        while (end < line.size() && !isSeparator(line[end])) ++end;
        if (end > at) out.push_back(line.substr(at, end - at));
        at = end;
    }
    return out;
}

// The zone name a list line gives, or an empty view.
std::string_view nameOfLine(std::string_view line) {
    if (line.empty() || line.front() == '#' || line.size() > kMaxLineLength) return {};
    // tzdata.zi: "Z Europe/Paris 0:9:21 - LMT 1891 Mar 16" and
    // "L Europe/Brussels Europe/Amsterdam" (a link: target, then its name).
    if (line.size() > 2 && line[1] == ' ' && (line[0] == 'Z' || line[0] == 'L')) {
        const std::vector<std::string_view> f = fields(line, false);
        if (f.size() < 2) return {};
        if (line[0] == 'Z') return f[1];
        return f.size() >= 3 ? f[2] : std::string_view();
    }
    // zone1970.tab and zone.tab: codes, coordinates, name, comments.
    const std::vector<std::string_view> f = fields(line, true);
    return f.size() >= 3 ? f[2] : std::string_view();
}

bool isPlaceName(std::string_view name) {
    if (!TimeZone::isWellFormedName(name)) return false;
    if (name == "UTC") return true;
    if (name.find('/') == std::string_view::npos) return false;
    return name.rfind("Etc/", 0) != 0 && name.rfind("SystemV/", 0) != 0;
}

std::string foldedName(const std::string& name) {
    std::string text = name;
    std::replace(text.begin(), text.end(), '_', ' ');
    return foldForSearch(text);
}

// 0: a part of the name is the text; 1: a part starts with it; 2: the name
// starts with it; 3: holds it; -1: no match.
int rankOf(const std::string& folded, const std::string& text) {
    if (text.empty()) return 3;
    int best = -1;
    std::size_t start = 0;
    while (start <= folded.size()) {
        std::size_t end = folded.find('/', start);
        if (end == std::string::npos) end = folded.size();
        const std::string_view part(folded.data() + start, end - start);
        if (part == text) return 0;
        if (part.rfind(text, 0) == 0) best = 1;
        start = end + 1;
    }
    if (best >= 0) return best;
    if (folded.rfind(text, 0) == 0) return 2;
    return folded.find(text) != std::string::npos ? 3 : -1;
}

}  // namespace

ZoneNameList ZoneNameList::load(const std::vector<std::filesystem::path>& files) {
    ZoneNameList list;
    for (const std::filesystem::path& path : files) {
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) continue;
        const FileRead file = readRegularFile(path.string(), kMaxListBytes);
        if (file.status == ReadStatus::Missing) continue;
        if (!file.ok()) {
            list.status_ = Status::Unreadable;
            continue;  // a later list may still be read
        }
        ZoneNameList parsed = parse(file.bytes);
        if (parsed.ok()) return parsed;
        list.status_ = parsed.status_;
    }
    return list;
}

ZoneNameList ZoneNameList::parse(std::string_view text) {
    ZoneNameList list;
    std::size_t at = 0;
    while (at < text.size() && list.names_.size() < kMaxNames) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view name = nameOfLine(line);
        if (isPlaceName(name)) list.names_.emplace_back(name);
    }
    if (!list.names_.empty()) list.names_.emplace_back("UTC");
    std::sort(list.names_.begin(), list.names_.end());
    list.names_.erase(std::unique(list.names_.begin(), list.names_.end()), list.names_.end());
    list.status_ = list.names_.empty() ? Status::NoNames : Status::Ok;
    list.folded_.reserve(list.names_.size());
    for (const std::string& name : list.names_) list.folded_.push_back(foldedName(name));
    return list;
}

std::vector<const std::string*> ZoneNameList::search(std::string_view text,
                                                      std::size_t limit) const {
    std::string wanted(text);
    std::replace(wanted.begin(), wanted.end(), '_', ' ');
    wanted = foldForSearch(wanted);
    std::vector<std::pair<int, std::size_t>> ranked;
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (const int r = rankOf(folded_[i], wanted); r >= 0) ranked.emplace_back(r, i);
    // The names are sorted already: a stable sort keeps them so within a rank.
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (limit > 0 && ranked.size() > limit) ranked.resize(limit);
    std::vector<const std::string*> out;
    out.reserve(ranked.size());
    for (const auto& [rank, index] : ranked) out.push_back(&names_[index]);
    return out;
}

}  // namespace vantorel
