// What import must make of each sample file of ../shared/formats/samples, as
// samples/expected.json states it, read with a small JSON reader of our own.
#pragma once

#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace oskava::test {

struct ExpectedRecord {
    double xa = 0, xb = 0, xm = 0, xn = 0, value = 0;
    std::optional<double> stdDev;
    std::optional<std::array<double, 4>> elevations;
};

struct SampleExpectation {
    std::optional<std::vector<ExpectedRecord>> records, ipRecords;
    std::optional<std::string> refused, ipRefused;
    long skipped = 0;
    long errorsMissing = 0;
    bool topography = false;
    bool tail = false;
};

/// A JSON value: null, boolean, number, string, array or object.
struct Json {
    enum class Kind { Null, Boolean, Number, String, Array, Object } kind = Kind::Null;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> members;

    const Json& operator[](const std::string& key) const { return members.at(key); }
    bool IsNull() const { return kind == Kind::Null; }
};

class JsonReader {
  public:
    explicit JsonReader(const std::string& text) : text_(text) {}

    Json Value() {
        Json value;
        const char c = Peek();
        if (c == '{' || c == '[') {
            const bool object = c == '{';
            value.kind = object ? Json::Kind::Object : Json::Kind::Array;
            ++at_;
            while (Peek() != (object ? '}' : ']')) {
                if (object) {
                    const std::string key = Value().text;
                    Expect(':');
                    value.members[key] = Value();
                } else {
                    value.items.push_back(Value());
                }
                if (Peek() == ',') {
                    ++at_;
                }
            }
            ++at_;
        } else if (c == '"') {
            value.kind = Json::Kind::String;
            const size_t end = text_.find('"', ++at_);
            value.text = text_.substr(at_, end - at_);
            at_ = end + 1;
        } else if (text_.compare(at_, 4, "null") == 0) {
            at_ += 4;
        } else if (text_.compare(at_, 4, "true") == 0 || text_.compare(at_, 5, "false") == 0) {
            value.kind = Json::Kind::Boolean;
            value.number = text_[at_] == 't';
            at_ += text_[at_] == 't' ? 4 : 5;
        } else {
            value.kind = Json::Kind::Number;
            char* end = nullptr;
            value.number = std::strtod(text_.c_str() + at_, &end);
            at_ = static_cast<size_t>(end - text_.c_str());
        }
        return value;
    }

  private:
    char Peek() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) {
            ++at_;
        }
        if (at_ >= text_.size()) {
            throw std::runtime_error("JSON ends early");
        }
        return text_[at_];
    }
    void Expect(char c) {
        if (Peek() != c) {
            throw std::runtime_error(std::string("JSON: expected ") + c);
        }
        ++at_;
    }
    const std::string& text_;
    size_t at_ = 0;
};

inline std::optional<std::vector<ExpectedRecord>> Records(const Json& list) {
    if (list.IsNull()) {
        return std::nullopt;
    }
    std::vector<ExpectedRecord> records;
    for (const Json& item : list.items) {
        ExpectedRecord record{item["xa"].number, item["xb"].number,    item["xm"].number,
                              item["xn"].number, item["value"].number, std::nullopt,
                              std::nullopt};
        if (!item["std"].IsNull()) {
            record.stdDev = item["std"].number;
        }
        if (!item["elev"].IsNull()) {
            const std::vector<Json>& e = item["elev"].items;
            record.elevations = {e.at(0).number, e.at(1).number, e.at(2).number, e.at(3).number};
        }
        records.push_back(record);
    }
    return records;
}

inline std::optional<std::string> Text(const Json& value) {
    return value.IsNull() ? std::nullopt : std::optional<std::string>(value.text);
}

/// The expectations by file name.
inline std::map<std::string, SampleExpectation> ReadExpectations(const std::string& path) {
    const std::string text = ReadAll(path);
    const Json all = JsonReader(text).Value();
    std::map<std::string, SampleExpectation> expectations;
    for (const auto& [name, entry] : all.members) {
        SampleExpectation& expected = expectations[name];
        expected.records = Records(entry["records"]);
        expected.ipRecords = Records(entry["ip_records"]);
        expected.refused = Text(entry["refused"]);
        expected.ipRefused = Text(entry["ip_refused"]);
        expected.skipped = static_cast<long>(entry["skipped"].number);
        expected.errorsMissing = static_cast<long>(entry["errors_missing"].number);
        expected.topography = entry["topo"].number != 0;
        expected.tail = entry["tail"].number != 0;
    }
    return expectations;
}

}  // namespace oskava::test
