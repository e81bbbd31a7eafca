#include "tests/support/reference_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "lookup/cp932.h"
#include "lookup/decimal_number.h"

namespace milden::reference {
namespace {

using View = std::u16string_view;

View TrimBlanks(View s) {
    while (!s.empty() && (s.front() == u' ' || s.front() == u'\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == u' ' || s.back() == u'\t')) s.remove_suffix(1);
    return s;
}
View TrimSpaces(View s) {
    while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
    return s;
}
View Before(View s, char16_t c) { return s.substr(0, s.find(c)); }
void Increment(std::int16_t& n) {
    if (n < 32767) ++n;
}

class Items {
public:
    explicit Items(View text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    View Next() {
        const auto delimiter = [](char16_t c) { return c == u',' || c == u'\r' || c == u'\n'; };
        while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t')) ++pos_;
        View item;
        if (pos_ < text_.size() && text_[pos_] == u'"') {
            std::size_t close = text_.find(u'"', pos_ + 1);
            if (close == View::npos) close = text_.size();
            item = text_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close < text_.size() ? close + 1 : close;
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && !delimiter(text_[pos_])) ++pos_;
            item = text_.substr(start, pos_ - start);
        }
        while (pos_ < text_.size() && !delimiter(text_[pos_])) ++pos_;
        if (pos_ < text_.size()) {
            const char16_t c = text_[pos_++];
            if (c == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
        }
        return TrimBlanks(item);
    }

private:
    View text_;
    std::size_t pos_ = 0;
};

View CleanCell(View item) { return item.starts_with(u'#') ? View() : TrimSpaces(Before(Before(item, u','), u';')); }

void ReadPrefix(std::vector<std::u16string>& cells, int lastIndex, Items& items) {
    bool inBlock = false;
    std::int16_t index = 0, row = 0, column = 0;
    while (!items.AtEnd()) {
        const View taken = items.Next();
        View item = taken;
        if (item.starts_with(u"index=")) {
            const View number = Before(item.substr(6), u'[');
            if (IsDecimalNumber(number)) {
                const double rounded = std::nearbyint(DecimalNumberValue(number));
                index = !(rounded <= 32767) ? 32767 : rounded < -32768 ? -32768 : static_cast<std::int16_t>(rounded);
                inBlock = index >= 0;
                row = column = 0;
                item = {};
            }
        }
        if (item == u"}" || index > lastIndex) return;
        if (item == u"]") inBlock = false;
        if (item.empty() || !inBlock) continue;
        const View value = CleanCell(item);
        if (!value.empty() && column <= 9 && row <= 9) cells[static_cast<std::size_t>(index * 100 + row * 10 + column)] = value;
        Increment(column);
        if (taken.find(u';') != View::npos && row <= 9) {
            column = 0;
            ++row;
        }
    }
}

void ReadOperators(std::vector<std::vector<std::u16string>>& list, Items& items) {
    std::int16_t group = 0, position = 0;
    bool stored = false;
    while (!items.AtEnd()) {
        const View raw = items.Next();
        if (raw == u"}") break;
        if (raw.empty()) continue;
        const View value = CleanCell(raw);
        if (!value.empty() && group < 32767 && position < 32767) {
            if (!stored) list.resize(static_cast<std::size_t>(group) + 1);
            stored = true;
            auto& names = list[static_cast<std::size_t>(group)];
            names.resize(static_cast<std::size_t>(position) + 1);
            names[static_cast<std::size_t>(position)] = value;
        }
        Increment(position);
        if (raw.find(u';') != View::npos) {
            position = 0;
            Increment(group);
            stored = false;
        }
    }
    list.resize(static_cast<std::size_t>(group));
}

void ReadExceptions(std::vector<std::pair<std::u16string, std::vector<std::pair<std::u16string, std::u16string>>>>& list,
                    Items& items) {
    int counted = 0;
    std::size_t bucket = 0, entry = 0;  // bucket is 1 + the index of the current bucket, 0 for none
    bool dropped = false;
    while (!items.AtEnd()) {
        const View raw = items.Next();
        if (raw == u"}") break;
        const View value = raw.starts_with(u'#') ? View() : TrimSpaces(Before(raw, u';'));
        if (value.empty() || counted >= 32766) continue;
        const bool isNumber = counted++ % 2 == 0;
        if (value.size() >= 2 && isNumber && (bucket == 0 || value.substr(0, 2) != list[bucket - 1].first)) {
            list.push_back({std::u16string(value.substr(0, 2)), {}});
            bucket = list.size();
            entry = 0;
        }
        if (isNumber) {
            dropped = bucket == 0;
            if (!dropped) list[bucket - 1].second.push_back({std::u16string(value), {}});
        } else if (!dropped) {
            list[bucket - 1].second[entry++].second = value;
        }
    }
}

}  // namespace

Tables Load(std::string_view bytes) {
    Tables t;
    for (const Range r : kAllRanges) t.prefix[OrdinalOf(r)].resize(static_cast<std::size_t>(FormatOf(r).indexCount) * 100);
    static const std::vector<std::u16string> keys = [] {
        std::vector<std::u16string> decoded;
        for (const SectionKey& key : kSectionKeys) decoded.push_back(DecodeCp932(key.key));
        return decoded;
    }();
    const std::u16string text = DecodeCp932(bytes);
    Items items(text);
    while (!items.AtEnd()) {
        const View item = items.Next();
        for (const SectionKey& key : kSectionKeys) {
            if (item != keys[static_cast<std::size_t>(&key - kSectionKeys.data())]) continue;
            const std::size_t r = OrdinalOf(key.range);
            switch (key.kind) {
            case SectionKind::PrefixTable: ReadPrefix(t.prefix[r], FormatOf(key.range).indexCount - 1, items); break;
            case SectionKind::ExceptionList: ReadExceptions(t.exceptions[r], items), t.exceptionsLoaded[r] = true; break;
            case SectionKind::OperatorList: ReadOperators(t.operators[r], items), t.operatorsLoaded[r] = true; break;
            }
            break;
        }
    }
    return t;
}

namespace {

void Append(std::string& out, std::u16string_view text) {
    out += std::to_string(text.size()) + ':';
    out.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
}

}  // namespace

std::string Dump(const Tables& t) {
    std::string out;
    for (const Range r : kAllRanges) {
        const std::size_t i = OrdinalOf(r);
        out += "\nprefix ";
        for (const std::u16string& cell : t.prefix[i]) Append(out, cell);
        out += "\noperators " + std::to_string(t.operatorsLoaded[i]);
        for (const auto& group : t.operators[i]) {
            out += "\n group ";
            for (const std::u16string& name : group) Append(out, name);
        }
        // An exception list is searched only for four digits: what it answers for each.
        out += "\nexceptions " + std::to_string(t.exceptionsLoaded[i]);
        for (std::size_t block = 0; block < kBlocksPerRange; ++block) {
            const std::u16string key = FourDigits<std::u16string>(block);
            std::u16string code;
            for (const auto& [prefix, entries] : t.exceptions[i]) {
                if (prefix != key.substr(0, 2)) continue;
                const auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == key; });
                if (entry == entries.end()) continue;
                code = entry->second;
                break;
            }
            if (!code.empty()) out += "\n " + FourDigits(block) + " ", Append(out, code);
        }
    }
    return out;
}

std::string Dump(const LookupTables& tables) {
    Tables t;
    for (const Range r : kAllRanges) {
        const std::size_t i = OrdinalOf(r);
        const PrefixTable& table = tables.Prefixes(r);
        for (int index = 0; index <= table.LastIndex(); ++index)
            for (int row = 0; row < 10; ++row)
                for (int column = 0; column < 10; ++column) t.prefix[i].emplace_back(table.Cell(index, row, column));
        const OperatorList& operators = tables.Operators(r);
        for (std::size_t g = 0; g < operators.size(); ++g) {
            auto& group = t.operators[i].emplace_back();
            for (std::size_t p = 0; p < operators.NameCount(g); ++p) group.push_back(operators.Name(g, p));
        }
        // Entries that no search reaches are not kept: one (number, code) per key found.
        auto& exceptions = t.exceptions[i];
        for (std::size_t block = 0; block < kBlocksPerRange; ++block) {
            const std::u16string key = FourDigits<std::u16string>(block);
            const std::u16string code = tables.Exceptions(r).Find(key);
            if (!code.empty()) exceptions.push_back({key.substr(0, 2), {{key, code}}});
        }
        t.operatorsLoaded[i] = tables.OperatorsLoaded(r);
        t.exceptionsLoaded[i] = tables.ExceptionsLoaded(r);
    }
    return Dump(t);
}

}  // namespace milden::reference
