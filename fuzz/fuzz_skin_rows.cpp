// Feeds arbitrary bytes to the skin layout reader as each of the layout
// files and checks what it promises: rows split into exactly the fields the
// comma rule gives, values no longer than 259 characters take part, a row
// with more than six commas is reported, and nothing else is.
#include "core/io/FileSystem.h"
#include "core/skin/SkinLoader.h"
#include "core/skin/SkinMessages.h"
#include "core/skin/SkinRowReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class OneFile final : public z3::FileSystem {
public:
    std::string bytes;

    ReadResult readFile(const std::string&, size_t maxBytes) const override
    {
        if (bytes.size() > maxBytes)
            return {ReadStatus::TooLarge, {}};
        return {ReadStatus::Ok, bytes};
    }
    bool writeFileAtomically(const std::string&, std::string_view) override { std::abort(); }
};

class CountingSink final : public z3::SkinMessageSink {
public:
    void showMessage(std::string_view text) override
    {
        if (text != kBadRow)
            std::abort(); // every file is readable here
        ++badRows;
    }
    void closeProgram() override { std::abort(); }
    int badRows = 0;
};

void checkSplit(std::string_view value)
{
    const auto row = z3::SkinLayoutRow::split(value);
    size_t length = 0;
    for (const auto& field : row.fields)
        length += field.size();
    // The fields are pieces of the value between commas: never more text
    // than the value holds, and rejoined they start the value.
    if (length + std::min(row.commaCount, size_t{6}) > value.size())
        std::abort();
    std::string joined = row.fields[0];
    for (size_t k = 1; k < row.fields.size() && k <= row.commaCount; ++k)
        joined += "," + row.fields[k];
    if (value.substr(0, joined.size()) != joined && row.commaCount > 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkSplit(bytes);

    OneFile files;
    files.bytes = bytes;
    CountingSink sink;
    z3::SkinRowReader reader(files, sink);
    z3::SkinLoader loader(reader, sink, "/skins");
    z3::SkinLayouts layouts;
    if (!loader.loadLayouts(layouts) || !loader.loadWarningLayout(layouts.warning))
        std::abort();
    for (const auto& label : layouts.functionLabels)
        if (label.size() > 4 * z3::SkinLayoutRow::kMaxChars)
            std::abort(); // 259 UTF-16 units are at most 4 bytes each in UTF-8
    return 0;
}
