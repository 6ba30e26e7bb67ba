#include "calc/compute_command.h"
#include "texts_written.h"

#include <doctest.h>

#include <string>
#include <vector>

using namespace varnel;
using namespace varnel::testing;

namespace {

struct RecordingWriter : FieldWriter
{
    std::vector<std::pair<ResultField, std::string>> writes;
    void write(ResultField field, const std::string &text) override { writes.emplace_back(field, text); }
};

std::string joined(const ComputeTexts &result)
{
    std::string all;
    for (const std::string &text : result.texts)
        all += (all.empty() ? "" : " ") + text;
    return all;
}

} // namespace

TEST_CASE("texts written")
{
    for (const TextsWrittenRow &row : kTextsWritten) {
        INFO(std::string(row.tag));
        Module1 state;
        // Twice: a second press writes the same texts.
        for (int press = 0; press < 2; ++press) {
            const ComputeTexts result = computeTexts(state, row.input, row.separator);
            CHECK(result.error == ErrorKind::None);
            CHECK(joined(result) == row.texts);
        }
    }
}

TEST_CASE("each field is written once, in order")
{
    Module1 state;
    RecordingWriter writer;
    REQUIRE(runCompute(state, "137.5", ".", writer) == ErrorKind::None);
    REQUIRE(writer.writes.size() == kResultFieldCount);
    for (std::size_t i = 0; i < kResultFieldCount; ++i)
        CHECK(writer.writes[i].first == static_cast<ResultField>(i));
}

TEST_CASE("a failure writes nothing")
{
    const struct
    {
        const char *input;
        ErrorKind error;
    } rows[] = {
        {"abc", ErrorKind::TypeMismatch},     {"", ErrorKind::TypeMismatch},     {"1e39", ErrorKind::Overflow},
        {"0", ErrorKind::DivisionByZero},     {"-0", ErrorKind::DivisionByZero}, {"1e-35", ErrorKind::Overflow},
        {"1e-50", ErrorKind::DivisionByZero}, // reads as zero
    };
    for (const auto &row : rows) {
        INFO(std::string(row.input));
        Module1 state;
        RecordingWriter writer;
        CHECK(runCompute(state, row.input, ".", writer) == row.error);
        CHECK(writer.writes.empty());
    }
}
