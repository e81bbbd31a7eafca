// The lookup as a front end holds it: the tables loaded once, searched as often as asked, and
// released at the end. The window and milden-lookup both hold one.
#pragma once

#include <string>
#include <string_view>

#include "lookup/load_observer.h"
#include "lookup/lookup_tables.h"
#include "engine/toolkit_services.h"

namespace milden {

class LookupSession {
public:
    // Clears the six loaded flags and loads sorvane.dat from the current directory, reporting
    // nothing (a missing file leaves every table empty).
    void LoadFromCurrentDirectory() { LoadFile(DataFilePathInCurrentDirectory()); }

    // The same for the file at path; false when nothing could be read from it.
    bool LoadFile(const std::string& path, LoadObserver* observer = nullptr) {
        ClearLoadedFlags(tables_);
        return LoadDataFile(tables_, path, observer);
    }

    // A search request: the digit box's text, trimmed of spaces, looked up with the range that
    // options select; the answer or warning goes to boxes.
    void Search(std::u16string_view boxText, const RangeOptions& options, MessageBoxService& boxes) const;

    // The name text the lookup gives for four digits in range, as the answer box's second line
    // shows it without "です。".
    std::u16string Answer(Range range, std::u16string_view digits) const;

    // Releases the lists whose loaded flag is set, as the window does when it unloads.
    void Release() { ReleaseLoadedLists(tables_); }

    const LookupTables& tables() const { return tables_; }

private:
    LookupTables tables_;
};

}  // namespace milden
