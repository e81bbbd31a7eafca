#include "lookup/lookup_tables.h"

#include <array>

namespace milden {
namespace {

// Each range's members of LookupTables, in the order of kAllRanges.
struct RangeMembers {
    PrefixTable LookupTables::*prefixes;
    ExceptionList LookupTables::*exceptions;
    bool LookupTables::*exceptionsLoaded;
    OperatorList LookupTables::*operators;
    bool LookupTables::*operatorsLoaded;
};
constexpr std::array<RangeMembers, 3> kRangeMembers{{
    {&LookupTables::PrefixTable090, &LookupTables::ExceptionList090, &LookupTables::ExceptionList090Loaded,
     &LookupTables::OperatorList090, &LookupTables::OperatorList090Loaded},
    {&LookupTables::PrefixTable080, &LookupTables::ExceptionList080, &LookupTables::ExceptionList080Loaded,
     &LookupTables::OperatorList080, &LookupTables::OperatorList080Loaded},
    {&LookupTables::PrefixTablePhs, &LookupTables::ExceptionListPhs, &LookupTables::ExceptionListPhsLoaded,
     &LookupTables::OperatorListPhs, &LookupTables::OperatorListPhsLoaded},
}};
constexpr const RangeMembers& MembersOf(Range r) { return kRangeMembers[OrdinalOf(r)]; }

}  // namespace

PrefixTable& LookupTables::Prefixes(Range r) { return this->*MembersOf(r).prefixes; }
const PrefixTable& LookupTables::Prefixes(Range r) const { return this->*MembersOf(r).prefixes; }
ExceptionList& LookupTables::Exceptions(Range r) { return this->*MembersOf(r).exceptions; }
const ExceptionList& LookupTables::Exceptions(Range r) const { return this->*MembersOf(r).exceptions; }
bool& LookupTables::ExceptionsLoaded(Range r) { return this->*MembersOf(r).exceptionsLoaded; }
const bool& LookupTables::ExceptionsLoaded(Range r) const { return this->*MembersOf(r).exceptionsLoaded; }
OperatorList& LookupTables::Operators(Range r) { return this->*MembersOf(r).operators; }
const OperatorList& LookupTables::Operators(Range r) const { return this->*MembersOf(r).operators; }
bool& LookupTables::OperatorsLoaded(Range r) { return this->*MembersOf(r).operatorsLoaded; }
const bool& LookupTables::OperatorsLoaded(Range r) const { return this->*MembersOf(r).operatorsLoaded; }

}  // namespace milden
