#include "cli/table_checks.h"

#include <algorithm>
#include <map>
#include <string>

#include "cli/block_answers.h"
#include "lookup/utf8.h"

namespace milden::cli {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool AllDigits(std::u16string_view s) { return std::all_of(s.begin(), s.end(), IsDigit); }

// A code names one operator by two digits, or two operators by four.
bool IsCodeForm(std::u16string_view code) { return (code.size() == 2 || code.size() == 4) && AllDigits(code); }

bool Before(ItemPosition a, ItemPosition b) { return a.line != b.line ? a.line < b.line : a.column < b.column; }

// The operators, as two digits each, that a code in the form of IsCodeForm names and the range's
// list lacks: "27", or "27 and 37".
std::string MissingOperators(const LookupTables& tables, Range range, std::u16string_view code) {
    std::string missing;
    for (std::size_t pair = 0; pair + 1 < code.size(); pair += 2) {
        const auto group = static_cast<std::int16_t>(code[pair] - u'0');
        const auto position = static_cast<std::int16_t>(code[pair + 1] - u'0');
        if (!OperatorName(tables, range, group, position).empty()) continue;
        if (!missing.empty()) missing += " and ";
        missing += Utf16ToUtf8(code.substr(pair, 2));
    }
    return missing;
}

// Faults that many cells or entries share, reported once at the first of them.
class SharedFaults {
public:
    // one and many: what the others are called, in the singular and the plural.
    void Add(const std::string& fault, ItemPosition at, std::string text, std::string_view one, std::string_view many) {
        auto [it, added] = faults_.try_emplace(fault, Fault{at, std::move(text), std::string(one), std::string(many), 0});
        if (!added && Before(at, it->second.first)) it->second.first = at;
        ++it->second.count;
    }
    void ReportTo(Diagnostics& diagnostics) const {
        for (const auto& [key, fault] : faults_) {
            std::string text = fault.text;
            if (fault.count > 1) {
                text += " (and " + std::to_string(fault.count - 1) + " more " + (fault.count == 2 ? fault.one : fault.many) + ")";
            }
            diagnostics.Add(fault.first, std::move(text));
        }
    }

private:
    struct Fault {
        ItemPosition first;
        std::string text;
        std::string one;
        std::string many;
        int count;
    };
    std::map<std::string, Fault> faults_;
};

class RangeChecks {
public:
    RangeChecks(const LookupTables& tables, const LoadRecord& record, Range range, Diagnostics& diagnostics)
        : tables_(tables), record_(record), range_(range), format_(FormatOf(range)), diagnostics_(diagnostics),
          cellHasEntry_(static_cast<std::size_t>(format_.indexCount) * kCellsPerBlock) {}

    void Run() {
        CheckSectionsPresent();
        if (range_ == Range::k090 && !tables_.OperatorsLoaded(range_)) return;  // 090 is never taken: said above
        CheckExceptionEntries();
        CheckCells();
        shared_.ReportTo(diagnostics_);
    }

private:
    bool Met(std::string_view key) const {
        for (std::size_t i = 0; i < kSectionKeys.size(); ++i)
            if (kSectionKeys[i].key == key) return record_.keyMet[i];
        return false;
    }
    const std::vector<ItemPosition>& CellAt() const { return record_.cellAt[OrdinalOf(range_)]; }
    std::u16string CodeOfCell(std::size_t slot) const {
        return std::u16string(tables_.Prefixes(range_).Cell(static_cast<int>(slot / kCellsPerBlock),
                                                            static_cast<int>(slot / kCellsPerRow % kRowsPerBlock),
                                                            static_cast<int>(slot % kCellsPerRow)));
    }
    void Warn(ItemPosition at, std::string text) { diagnostics_.Add(at, std::move(text)); }

    void CheckSectionsPresent() {
        const std::string unknown = Utf16ToUtf8(kUnknownOperatorText);
        if (range_ == Range::k090 && !Met(format_.operatorListKey)) {
            Warn({}, "no " + Quote(format_.operatorListKey) + " section: every 090 search answers " + unknown);
        }
        if (!Met(format_.prefixTableKey)) {
            Warn({}, "no " + Quote(format_.prefixTableKey) + " section: every " + std::string(format_.digits) +
                         " search answers " + unknown);
        }
        const bool hasCodes = std::any_of(CellAt().begin(), CellAt().end(), [&](const ItemPosition& at) {
            return at.line != 0 && !IsMark(CodeOfCell(static_cast<std::size_t>(&at - CellAt().data())), format_.unknownMark);
        });
        if (range_ != Range::k090 && !Met(format_.operatorListKey) && hasCodes) {
            Warn({}, "no " + Quote(format_.operatorListKey) + " section: the codes of " + Quote(format_.prefixTableKey) +
                         " name no operator");
        }
    }

    // Numbers that no search finds or that an earlier one hides, entries whose cell never defers
    // to the list, and codes that name no operator.
    void CheckExceptionEntries() {
        const ExceptionList& list = tables_.Exceptions(range_);
        const std::vector<LoadRecord::EntryAt>& entryAt = record_.entryAt[OrdinalOf(range_)];
        std::vector<ItemPosition> firstWithNumber(kBlocksPerRange);
        std::size_t flat = 0;
        for (std::size_t bucket = 0; bucket < list.size(); ++bucket) {
            for (std::size_t entry = 0; entry < list.EntryCount(bucket); ++entry, ++flat) {
                if (flat >= entryAt.size() || entryAt[flat].number.line == 0) continue;
                const LoadRecord::EntryAt at = entryAt[flat];
                const std::u16string number = list.Number(bucket, entry);
                if (number.size() != 4 || !AllDigits(number)) {
                    Warn(at.number, "exception number " + Quote(number) + " is not four digits: no search can find it");
                    continue;
                }
                const std::size_t value = BlockOf(number);
                if (ItemPosition& first = firstWithNumber[value]; first.line != 0) {
                    Warn(at.number, "exception number " + Quote(number) + " repeats the one at " + std::to_string(first.line) +
                                        ":" + std::to_string(first.column) + ": this entry is never answered");
                    continue;
                } else {
                    first = at.number;
                }
                if (!EntryIsSearched(number, value / 10, at.number)) continue;
                cellHasEntry_[value / 10] = true;
                CheckCode(list.Code(bucket, entry), at.code, "exception code", "exception code", "exception codes");
            }
        }
    }

    bool EntryIsSearched(const std::u16string& number, std::size_t cell, ItemPosition at) {
        const std::string never = "exception number " + Quote(number) + " is never searched: ";
        if (cell >= cellHasEntry_.size()) {
            shared_.Add("past " + std::to_string(cell / kCellsPerBlock), at,
                        never + Quote(format_.prefixTableKey) + " has no index " + std::to_string(cell / kCellsPerBlock),
                        "entry", "entries");
            return false;
        }
        const std::u16string cellCode = CodeOfCell(cell);
        if (IsMark(cellCode, format_.exceptionMark)) return true;
        shared_.Add("unmarked " + std::to_string(cell), at,
                    never + "its cell holds " + (cellCode.empty() ? std::string("nothing") : Quote(cellCode)) +
                        ", not the exception mark " + Quote(format_.exceptionMark),
                    "entry", "entries");
        return false;
    }

    void CheckCells() {
        for (std::size_t slot = 0; slot < CellAt().size(); ++slot) {
            const ItemPosition at = CellAt()[slot];
            if (at.line == 0) continue;
            const std::u16string code = CodeOfCell(slot);
            if (IsMark(code, format_.unknownMark)) continue;
            if (!IsMark(code, format_.exceptionMark)) {
                CheckCode(code, at, "cell code", "cell", "cells");
            } else if (!tables_.ExceptionsLoaded(range_)) {
                shared_.Add("mark", at,
                            "cell holds the exception mark " + Quote(format_.exceptionMark) + ", but there is no " +
                                Quote(format_.exceptionListKey) + " section, so it reads as an ordinary code",
                            "cell", "cells");
            } else if (!cellHasEntry_[slot]) {
                std::u16string numbers = FourDigits<std::u16string>(slot * 10);
                numbers += u" to ";
                numbers += FourDigits<std::u16string>(slot * 10 + 9);
                Warn(at, "cell holds the exception mark " + Quote(format_.exceptionMark) + ", but " +
                             Quote(format_.exceptionListKey) + " has no number from " + Utf16ToUtf8(numbers));
            }
        }
    }

    void CheckCode(const std::u16string& code, ItemPosition at, std::string_view what, std::string_view one,
                   std::string_view many) {
        if (code.empty()) return;  // a number left without its code: reported by the loader
        if (!IsCodeForm(code)) {
            Warn(at, std::string(what) + " " + Quote(code) + " is not two or four digits");
            return;
        }
        if (!tables_.OperatorsLoaded(range_)) return;  // said once, for the whole section
        const std::string missing = MissingOperators(tables_, range_, code);
        if (missing.empty()) return;
        shared_.Add(std::string(what) + Utf16ToUtf8(code), at,
                    std::string(what) + " " + Quote(code) + " names " +
                        (missing.size() > 2 ? "operators " : "operator ") + missing + ", which " +
                        Quote(format_.operatorListKey) + " does not have",
                    one, many);
    }

    const LookupTables& tables_;
    const LoadRecord& record_;
    Range range_;
    const RangeFormat& format_;
    Diagnostics& diagnostics_;
    std::vector<bool> cellHasEntry_;  // by cell: an entry of its block is searched
    SharedFaults shared_;
};

}  // namespace

void CheckLoadedTables(const LookupTables& tables, const LoadRecord& record, Diagnostics& diagnostics) {
    for (const Range range : kAllRanges) RangeChecks(tables, record, range, diagnostics).Run();
}

}  // namespace milden::cli
