#include "tools/carrier_source.h"

#include <bson/bson.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace milden::datagen {
namespace {

// Owns a document that libbson allocated (bson_t carries alignment attributes, which a template
// argument such as unique_ptr's would drop).
class OwnedBson {
public:
    explicit OwnedBson(bson_t* doc) : doc_(doc) {}
    ~OwnedBson() {
        if (doc_ != nullptr) bson_destroy(doc_);
    }
    OwnedBson(const OwnedBson&) = delete;
    OwnedBson& operator=(const OwnedBson&) = delete;
    explicit operator bool() const { return doc_ != nullptr; }
    const bson_t& operator*() const { return *doc_; }

private:
    bson_t* doc_;
};

bool AllDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Utf8Field(const bson_t& doc, const char* key, const std::string& where) {
    bson_iter_t it;
    if (!bson_iter_init_find(&it, &doc, key) || !BSON_ITER_HOLDS_UTF8(&it)) {
        throw std::runtime_error(where + ": no string field \"" + key + "\"");
    }
    std::uint32_t length = 0;
    const char* text = bson_iter_utf8(&it, &length);
    return std::string(text, length);
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be opened");
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw std::runtime_error(path + ": read error");
    return content.str();
}

CarrierPrefixes ParseCarrierBson(std::string_view bytes) {
    bson_t doc;
    if (!bson_init_static(&doc, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())) {
        throw std::runtime_error("carrier data is not a BSON document");
    }
    std::size_t badOffset = 0;
    if (!bson_validate(&doc, BSON_VALIDATE_UTF8, &badOffset)) {
        throw std::runtime_error("carrier data: invalid BSON at byte " + std::to_string(badOffset));
    }
    CarrierPrefixes prefixes;
    bson_iter_t it;
    if (!bson_iter_init(&it, &doc)) throw std::runtime_error("carrier data: unreadable BSON");
    while (bson_iter_next(&it)) {
        const std::string key = bson_iter_key(&it);
        if (!AllDigits(key)) throw std::runtime_error("carrier data: prefix \"" + key + "\" is not all digits");
        if (!BSON_ITER_HOLDS_UTF8(&it)) throw std::runtime_error("carrier data: prefix " + key + " has no name");
        std::uint32_t length = 0;
        const char* name = bson_iter_utf8(&it, &length);
        if (length == 0) throw std::runtime_error("carrier data: prefix " + key + " has an empty name");
        if (!prefixes.emplace(key, std::string(name, length)).second) {
            throw std::runtime_error("carrier data: prefix " + key + " appears twice");
        }
    }
    return prefixes;
}

CarrierPrefixes ReadCarrierPrefixes(const std::string& packageDir) {
    return ParseCarrierBson(ReadWholeFile(packageDir + "/resources/carrier/en/81.bson"));
}

SourcePackage ReadSourcePackage(const std::string& packageDir) {
    const std::string path = packageDir + "/package.json";
    const std::string json = ReadWholeFile(path);
    bson_error_t error;
    OwnedBson doc(bson_new_from_json(reinterpret_cast<const std::uint8_t*>(json.data()),
                                   static_cast<ssize_t>(json.size()), &error));
    if (!doc) throw std::runtime_error(path + ": " + error.message);
    return {Utf8Field(*doc, "name", path), Utf8Field(*doc, "version", path), Utf8Field(*doc, "license", path)};
}

}  // namespace milden::datagen
