#include "check/table_checks.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "engine/block_answers.h"
#include "lookup/utf8.h"

namespace milden::check {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool AllDigits(std::u16string_view s) { return std::all_of(s.begin(), s.end(), IsDigit); }


// The operators, as two digits each, that a code in the form of IsCodeForm names and the range's
// list lacks: "27", or "27 and 37".
std::string MissingOperators(const LookupTables& tables, Range range, std::u16string_view code) {
    std::string missing;
    for (std::size_t pair = 0; pair + 1 < code.size(); pair += kOneOperatorCodeLength) {
        const auto group = static_cast<std::int16_t>(code[pair] - u'0');
        const auto position = static_cast<std::int16_t>(code[pair + 1] - u'0');
        if (!OperatorName(tables, range, group, position).empty()) continue;
        if (!missing.empty()) missing += " and ";
        missing += Utf16ToUtf8(code.substr(pair, kOneOperatorCodeLength));
    }
    return missing;
}

// Faults that many cells or entries share, reported once at the first of them.
class SharedFaults {
public:
    // one and many: what the others are called, in the singular and the plural.
    void Add(const std::string& fault, Code code, ItemPosition at, std::string text, std::string_view one, std::string_view many) {
        auto [it, added] = faults_.try_emplace(fault, Fault{code, at, std::move(text), std::string(one), std::string(many), 0});
        if (!added && Before(at, it->second.first)) it->second.first = at;
        ++it->second.count;
    }
    // Each fault; those of code consequence are instead notes of cause, when there is one.
    void ReportTo(Diagnostics& diagnostics, Code consequence, std::optional<Diagnostic> cause) const {
        const std::size_t causeNotes = cause ? cause->notes.size() : 0;
        for (const auto& [key, fault] : faults_) {
            std::string text = fault.text;
            if (fault.count > 1) {
                text += " (and " + std::to_string(fault.count - 1) + " more " + (fault.count == 2 ? fault.one : fault.many) + ")";
            }
            if (cause && fault.code == consequence) {
                cause->notes.push_back({fault.first, std::move(text)});
            } else {
                diagnostics.Add({fault.code, fault.first, std::move(text)});
            }
        }
        if (!cause) return;
        std::stable_sort(cause->notes.begin() + static_cast<std::ptrdiff_t>(causeNotes), cause->notes.end(),
                         [](const Note& a, const Note& b) { return Before(a.at, b.at); });
        diagnostics.Add(std::move(*cause));
    }

private:
    struct Fault {
        Code code;
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
          cellHasEntry_(static_cast<std::size_t>(CellCount(range))) {}

    void Run() {
        CheckSectionsPresent();
        if (range_ != Range::k090 || tables_.OperatorsLoaded(range_)) {  // else 090 is never taken: said above
            CheckExceptionEntries();
            CheckCells();
        }
        // A name cut short by a ";" moves the names after it: the codes that then name no
        // operator follow from it.
        shared_.ReportTo(diagnostics_, Code::UnknownOperator, record_.nameCutShort[OrdinalOf(range_)]);
    }

private:
    bool Met(SectionKind kind) const { return record_.keyMet[OrdinalOf(KeyOf(range_, kind))]; }
    const std::vector<ItemPosition>& CellAt() const { return record_.cellAt[OrdinalOf(range_)]; }
    std::u16string CodeOfCell(std::size_t slot) const {
        const std::array<int, 3> cell = CellOfSlot(static_cast<int>(slot));
        return std::u16string(tables_.Prefixes(range_).Cell(cell[0], cell[1], cell[2]));
    }
    void Add(Code code, ItemPosition at, std::string text, std::vector<Note> notes = {}) {
        diagnostics_.Add({code, at, std::move(text), std::move(notes)});
    }

    void CheckSectionsPresent() {
        const std::string unknown = Utf16ToUtf8(kUnknownOperatorText);
        if (range_ == Range::k090 && !Met(SectionKind::OperatorList)) {
            Add(Code::MissingSection, {}, "no " + Quote(format_.operatorListKey) + " section: every 090 search answers " + unknown);
        }
        if (!Met(SectionKind::PrefixTable)) {
            Add(Code::MissingSection, {}, "no " + Quote(format_.prefixTableKey) + " section: every " + std::string(format_.digits) +
                         " search answers " + unknown);
        }
        const bool hasCodes = std::any_of(CellAt().begin(), CellAt().end(), [&](const ItemPosition& at) {
            return at.line != 0 && !IsMark(CodeOfCell(static_cast<std::size_t>(&at - CellAt().data())), format_.unknownMark);
        });
        if (range_ != Range::k090 && !Met(SectionKind::OperatorList) && hasCodes) {
            Add(Code::MissingSection, {}, "no " + Quote(format_.operatorListKey) + " section: the codes of " + Quote(format_.prefixTableKey) +
                         " name no operator");
        }
    }

    // Numbers that no search finds or that an earlier one hides, entries whose cell never defers
    // to the list, and codes that name no operator.
    void CheckExceptionEntries() {
        std::vector<ItemPosition> firstWithNumber(kBlocksPerRange);
        for (const LoadRecord::EntryAt& entry : record_.entryAt[OrdinalOf(range_)]) {
            if (entry.number.line == 0) continue;
            const std::u16string& number = entry.numberText;
            if (number.size() != kTypedDigits || !AllDigits(number)) {
                Add(Code::ExceptionNumber, entry.number, "exception number " + Quote(number) + " is not four digits: no search can find it");
                continue;
            }
            const std::size_t value = BlockOf(number);
            if (ItemPosition& first = firstWithNumber[value]; first.line != 0) {
                Add(Code::RepeatedNumber, entry.number, "exception number " + Quote(number) + " is listed again: this entry is never answered",
                    {{first, "the first " + Quote(number) + " is here"}});
                continue;
            } else {
                first = entry.number;
            }
            if (!EntryIsSearched(number, value / kBlocksPerCell, entry.number)) continue;
            cellHasEntry_[value / kBlocksPerCell] = true;
            CheckCode(entry.codeText, entry.code, "exception code", "exception code", "exception codes");
        }
    }

    bool EntryIsSearched(const std::u16string& number, std::size_t cell, ItemPosition at) {
        const std::string never = "exception number " + Quote(number) + " is never searched: ";
        if (cell >= cellHasEntry_.size()) {
            shared_.Add("past " + std::to_string(cell / kCellsPerBlock), Code::UnsearchedNumber, at,
                        never + Quote(format_.prefixTableKey) + " has no index " + std::to_string(cell / kCellsPerBlock),
                        "entry", "entries");
            return false;
        }
        const std::u16string cellCode = CodeOfCell(cell);
        if (IsMark(cellCode, format_.exceptionMark)) return true;
        shared_.Add("unmarked " + std::to_string(cell), Code::UnsearchedNumber, at,
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
                shared_.Add("mark", Code::MarkWithoutList, at,
                            "cell holds the exception mark " + Quote(format_.exceptionMark) + ", but there is no " +
                                Quote(format_.exceptionListKey) + " section, so it reads as an ordinary code",
                            "cell", "cells");
            } else if (!cellHasEntry_[slot]) {
                std::u16string numbers = FourDigits<std::u16string>(slot * kBlocksPerCell);
                numbers += u" to ";
                numbers += FourDigits<std::u16string>(slot * kBlocksPerCell + kBlocksPerCell - 1);
                Add(Code::MarkWithoutEntries, at, "cell holds the exception mark " + Quote(format_.exceptionMark) + ", but " +
                             Quote(format_.exceptionListKey) + " has no number from " + Utf16ToUtf8(numbers));
            }
        }
    }

    void CheckCode(const std::u16string& code, ItemPosition at, std::string_view what, std::string_view one,
                   std::string_view many) {
        if (code.empty()) return;  // a number left without its code: reported by the loader
        if (!IsCodeForm(code)) {
            Add(Code::CodeForm, at, std::string(what) + " " + Quote(code) + " is not two or four digits");
            return;
        }
        if (!tables_.OperatorsLoaded(range_)) return;  // said once, for the whole section
        const std::string missing = MissingOperators(tables_, range_, code);
        if (missing.empty()) return;
        shared_.Add(std::string(what) + Utf16ToUtf8(code), Code::UnknownOperator, at,
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

}  // namespace milden::check
