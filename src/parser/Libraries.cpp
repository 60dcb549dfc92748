#include "parser/Libraries.h"

#include <algorithm>
#include <map>
#include <vector>

#include "base/TextFile.h"
#include "base/Win1250.h"
#include "parser/TextReplace.h"

namespace morvane {
namespace {

const std::string kDirective = "#knihovna_";
// Guards against expansions that grow without end although no library
// includes itself (each library including the next one twice, say): past
// this count, or past ExpansionLimit, the expansion stops with a report.
constexpr std::size_t kMaxExpansions = 1'000'000;
constexpr std::size_t kExcerptLength = 60;

void reportOnce(StoryStore& store, Reporter& reporter, const std::string& text) {
    if (store.cache.reported.insert(text).second) reporter.showMessage(text);
}

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string upperName(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) c = upperCase(c);
    return upper;
}

// A directive found in a text: where it starts, whether "#knihovna_" is
// written in lower case there, and its name when it is well formed.
struct Directive {
    std::size_t at = std::string_view::npos;
    bool exact = false;
    std::optional<std::string> name;
    std::size_t end = 0;  // past its ";"
};

// Walks the directives of one text from left to right. It remembers the next
// ";" and the next directive, so a walk over the whole text costs one pass
// over it however many directives (well formed or not) it holds.
class DirectiveWalk {
public:
    // The first directive (any letter case) at or after `from`; `from` never
    // goes back between calls.
    Directive next(std::string_view text, std::size_t from) {
        Directive d;
        d.at = directiveFrom(text, from);
        if (d.at == std::string_view::npos) return d;
        d.exact = text.compare(d.at, kDirective.size(), kDirective) == 0;
        const std::size_t nameStart = d.at + kDirective.size();
        const std::size_t semicolon = semicolonFrom(text, nameStart);
        // Well formed: "#knihovna_" + name + ";" with no blank at the name's
        // edges and no directive inside it.
        if (semicolon == std::string_view::npos || directiveFrom(text, nameStart) < semicolon)
            return d;
        const std::string_view name = text.substr(nameStart, semicolon - nameStart);
        if (!name.empty() && (isBlankOrControl(name.front()) || isBlankOrControl(name.back())))
            return d;
        d.name = std::string(name);
        d.end = semicolon + 1;
        return d;
    }

private:
    std::size_t directiveFrom(std::string_view text, std::size_t from) {
        if (directive_ == std::string_view::npos || directive_ < from) {
            directive_ = findCaseless(text, kDirective, from);
            if (directive_ == std::string_view::npos) directive_ = text.size() + 1;
        }
        return directive_ > text.size() ? std::string_view::npos : directive_;
    }
    std::size_t semicolonFrom(std::string_view text, std::size_t from) {
        if (semicolon_ == std::string_view::npos || semicolon_ < from) {
            semicolon_ = text.find(';', from);
            if (semicolon_ == std::string_view::npos) semicolon_ = text.size() + 1;
        }
        return semicolon_ > text.size() ? std::string_view::npos : semicolon_;
    }
    std::size_t directive_ = std::string_view::npos;
    std::size_t semicolon_ = std::string_view::npos;
};

// The names of the well-formed directives inside a text.
std::vector<std::string> directiveNames(std::string_view text) {
    std::vector<std::string> names;
    DirectiveWalk walk;
    for (Directive d = walk.next(text, 0); d.at != std::string_view::npos;
         d = walk.next(text, d.at + 1)) {
        if (d.name) names.push_back(std::move(*d.name));
    }
    return names;
}

// Whether expanding library `name` brings back a directive of `name`, going
// through the libraries loaded so far. (One not loaded yet is checked when
// its own directive comes up.)
bool includesItself(const StoryStore& store, const std::string& name) {
    std::vector<std::string> pending{name};
    std::set<std::string> seen;
    while (!pending.empty()) {
        const auto lib = FindLibrary(store, pending.back());
        pending.pop_back();
        if (!lib) continue;
        for (auto& inner : directiveNames(store.seznamknihoven[*lib].obsah)) {
            if (upperName(inner) == upperName(name)) return true;
            if (seen.insert(inner).second) pending.push_back(std::move(inner));
        }
    }
    return false;
}

std::string excerpt(std::string_view text, std::size_t at) {
    const std::size_t end = text.find(';', at);
    const std::size_t length = end == std::string_view::npos ? text.size() - at : end + 1 - at;
    return std::string(text.substr(at, std::min(length, kExcerptLength)));
}

// One expansion of a text: the output so far and the texts being read, the
// text itself at the bottom and a library being expanded in it on top.
class Expansion {
public:
    Expansion(StoryStore& store, Reporter& reporter, std::string text,
              std::vector<TextSegment>* segments)
        : store_(store),
          reporter_(reporter),
          story_(std::move(text)),
          segments_(segments),
          limit_(ExpansionLimit(store, story_.size())) {
        out_.reserve(story_.size());
        frames_.push_back(Frame{});
        learnNames(story_);
    }

    std::size_t run() {
        while (!frames_.empty()) step();
        reportMalformed();
        return replaced_;
    }
    std::string& result() { return out_; }
    std::string& story() { return story_; }

private:
    struct Frame {
        std::optional<std::size_t> library;  // none: the text itself
        std::string name;                    // the library's name in upper case
        std::size_t pos = 0;
        DirectiveWalk walk;
    };

    std::string_view textOf(const Frame& frame) const {
        return frame.library ? std::string_view(store_.seznamknihoven[*frame.library].obsah)
                             : std::string_view(story_);
    }

    // A directive in any letter case expands once the same name has been
    // written in lower case: these are the names seen so far so written.
    void learnNames(std::string_view text) {
        DirectiveWalk walk;
        for (Directive d = walk.next(text, 0); d.at != std::string_view::npos;
             d = walk.next(text, d.at + 1)) {
            if (d.exact && d.name) known_.emplace(upperName(*d.name), *d.name);
        }
    }

    void step() {
        Frame& frame = frames_.back();
        const std::string_view text = textOf(frame);
        const Directive d = frame.walk.next(text, frame.pos);
        if (d.at == std::string_view::npos || stopped_) {
            emit(frame, text, frame.pos, text.size() - frame.pos);
            frames_.pop_back();
            return;
        }
        emit(frame, text, frame.pos, d.at - frame.pos);
        frame.pos = d.at;
        if (!d.name && d.exact) noteMalformed(text, d.at);
        const auto library = d.name ? libraryFor(*d.name, d.exact) : std::nullopt;
        if (!library) {
            // Left as it is; the search goes on past it. (Loading a library
            // may have moved the text, so it is looked up again.)
            emit(frame, textOf(frames_.back()), d.at, 1);
            ++frame.pos;
            return;
        }
        if (++replaced_ > kMaxExpansions || out_.size() > limit_) {
            // The rest, this directive included, stays as it is.
            reportOnce(store_, reporter_,
                       cz("Knihovny se vkládají donekonečna, vkládání zastaveno !"));
            stopped_ = true;
            store_.cache.limitReached = true;
            return;
        }
        frame.pos = d.end;
        frames_.push_back(Frame{library, upperName(*d.name), 0, {}});
    }

    // The library that replaces a well-formed directive, or nothing when the
    // directive stays: one in upper or mixed case whose name was never
    // written in lower case, or a library that includes itself (reported once).
    std::optional<std::size_t> libraryFor(const std::string& written, bool exact) {
        const std::string upper = upperName(written);
        if (exact) known_.emplace(upper, written);
        const auto known = known_.find(upper);
        if (known == known_.end()) return std::nullopt;
        const std::string& name = known->second;
        if (store_.cache.cyclic.count(name)) return std::nullopt;
        const std::size_t lib = UseLibrary(store_, reporter_, name);
        const bool open = std::any_of(frames_.begin(), frames_.end(),
                                      [&](const Frame& f) { return f.library && f.name == upper; });
        if (open || (!acyclic_.count(name) && includesItself(store_, name))) {
            store_.cache.cyclic.insert(name);
            reportOnce(store_, reporter_, cz("Knihovna ") + name + cz(" vkládá sama sebe !"));
            return std::nullopt;
        }
        if (acyclic_.insert(name).second) learnNames(store_.seznamknihoven[lib].obsah);
        return lib;
    }

    // Copies a run of a frame's text to the output, telling where it came from.
    void emit(const Frame& frame, std::string_view text, std::size_t from, std::size_t length) {
        if (length == 0) return;
        if (segments_) {
            const std::string source = frame.library ? store_.seznamknihoven[*frame.library].nazev : "";
            TextSegment* last = segments_->empty() ? nullptr : &segments_->back();
            if (last && last->source == source && last->offset + last->length == from &&
                last->at + last->length == out_.size())
                last->length += length;
            else
                segments_->push_back({out_.size(), length, source, from});
        }
        out_.append(text.substr(from, length));
    }

    void noteMalformed(std::string_view text, std::size_t at) {
        if (malformed_++ == 0) firstMalformed_ = excerpt(text, at);
    }

    // One report however many there are: a broken file would otherwise open
    // a message box for each.
    void reportMalformed() {
        if (malformed_ == 0) return;
        std::string text = cz("Chybně zapsaná knihovna: ") + firstMalformed_;
        if (malformed_ > 1) text += cz(" (a dalších ") + std::to_string(malformed_ - 1) + ")";
        reportOnce(store_, reporter_, text);
    }

    StoryStore& store_;
    Reporter& reporter_;
    std::string story_;
    std::string out_;
    std::vector<TextSegment>* segments_;
    std::size_t limit_;  // the output's size past which expansion stops
    std::vector<Frame> frames_;
    std::map<std::string, std::string> known_;  // upper-case name -> name as written
    std::set<std::string> acyclic_;
    std::size_t replaced_ = 0;
    std::size_t malformed_ = 0;
    std::string firstMalformed_;
    bool stopped_ = false;
};

}  // namespace

std::optional<std::size_t> FindLibrary(const StoryStore& store, const std::string& name) {
    for (std::size_t i = store.seznamknihoven.size(); i-- > 0;) {
        if (store.seznamknihoven[i].nazev == name) return i;
    }
    return std::nullopt;
}

// Reads a library file line by line and joins the lines.
std::size_t LoadLibrary(StoryStore& store, Reporter& reporter, const std::string& name) {
    const GameText file = ReadLibraryFile(store.soubory, reporter, name);
    std::string obsah;
    if (file) {
        for (const auto& line : splitLines(file.text)) obsah += line;
    } else {
        obsah = "Nenalezena knihovna " + name + " !!!!";
        if (file.status == FileStatus::Unreadable) reporter.showMessage(obsah);
    }
    store.seznamknihoven.push_back({name, std::move(obsah)});
    return store.seznamknihoven.size() - 1;
}

std::size_t UseLibrary(StoryStore& store, Reporter& reporter, const std::string& name) {
    if (const auto lib = FindLibrary(store, name)) return *lib;
    return LoadLibrary(store, reporter, name);
}

bool HasLibraryDirective(std::string_view text) {
    return findCaseless(text, kDirective) != std::string_view::npos;
}

std::size_t ExpandLibraries(StoryStore& store, Reporter& reporter, std::string& text,
                            EditLog* log) {
    if (!HasLibraryDirective(text)) return 0;
    EditPass pass{"", true, {}, {}};
    Expansion expansion(store, reporter, std::move(text), log ? &pass.segments : nullptr);
    const std::size_t replaced = expansion.run();
    text = std::move(replaced > 0 ? expansion.result() : expansion.story());
    if (log && replaced > 0) log->push_back(std::move(pass));
    return replaced;
}

}  // namespace morvane
