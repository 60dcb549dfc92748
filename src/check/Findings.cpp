#include "check/Findings.h"

#include <algorithm>

#include "base/Win1250.h"
#include "nlohmann/json.hpp"

namespace morvane::check {

void Findings::error(const Place& place, std::string message) {
    Finding f;
    f.place = place;
    f.message = std::move(message);
    list_.push_back(std::move(f));
}

void Findings::warning(const Place& place, std::string message) {
    error(place, std::move(message));
    list_.back().severity = Severity::Warning;
}

std::vector<Finding> Findings::sorted() const {
    std::vector<Finding> out = list_;
    std::stable_sort(out.begin(), out.end(), [](const Finding& a, const Finding& b) {
        if (a.place.file != b.place.file) return a.place.file < b.place.file;
        return a.place.line < b.place.line;
    });
    // The same problem met twice at one place (a library used by many
    // locations) is told once.
    const auto same = [](const Finding& a, const Finding& b) {
        return a.place.file == b.place.file && a.place.line == b.place.line &&
               a.severity == b.severity && a.message == b.message;
    };
    out.erase(std::unique(out.begin(), out.end(), same), out.end());
    return out;
}

std::size_t Findings::errors() const {
    return static_cast<std::size_t>(std::count_if(list_.begin(), list_.end(), [](const Finding& f) {
        return f.severity == Severity::Error;
    }));
}

namespace {
const char* severityName(Severity s) { return s == Severity::Error ? "error" : "warning"; }
}  // namespace

std::string FindingLine(const Finding& f) {
    std::string line = toUtf8(f.place.file);
    if (f.place.line > 0) line.append(":").append(std::to_string(f.place.line));
    line.append(": ").append(severityName(f.severity)).append(": ").append(toUtf8(f.message));
    if (!f.replay.empty()) line.append("\n    ").append(f.replay);
    return line;
}

std::string FindingJson(const Finding& f) {
    nlohmann::ordered_json object = {{"file", toUtf8(f.place.file)},
                                           {"line", f.place.line},
                                           {"severity", severityName(f.severity)},
                                           {"message", toUtf8(f.message)}};
    if (f.seed) {
        object["seed"] = *f.seed;
        object["route"] = f.route;
    }
    return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace morvane::check
