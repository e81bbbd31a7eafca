#include "fuzz/lookup_fuzz_data.h"

#include <fstream>
#include <iterator>

namespace milden::fuzz {
namespace {

constexpr const char* kSpecialCodes =
    "keitai_tolvas{\r\nA,B;\r\nC;\r\n;\r\nD,E,F;\r\nG;\r\n}\r\n"
    "keitai_tolva_num{\r\nindex=0\r\n40,81,50,30,2536,5,,#x,1234567,99;\r\n40,40;\r\nindex=9\r\n40;\r\n]\r\n}\r\n"
    "hash_keitai_tolva_num{\r\n0000,21\r\n0001,3011\r\n0100,\r\n9000,9\r\n}\r\n"
    "keitai_tolvas080{\r\nH;\r\nI,J;\r\n}\r\n"
    "keitai_tolva_num080{\r\nindex=5\r\n40,50,81;\r\n}\r\n"
    "hash_keitai_tolva_num080{\r\n5000,11\r\n}\r\n"
    "phs_tolvas{\r\nK;\r\n}\r\n"
    "phs_tolva_num{\r\nindex=6\r\n30,40,00;\r\n}\r\n"
    "hash_phs_tolva_num{\r\n6000,0000\r\n}\r\n";

}  // namespace

std::string LookupFuzzDataFile() {
    std::string bytes;
#ifdef MILDEN_BUNDLED_DATA_FILE
    std::ifstream in(MILDEN_BUNDLED_DATA_FILE, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
#endif
    return bytes + "\r\n" + kSpecialCodes;
}

}  // namespace milden::fuzz
