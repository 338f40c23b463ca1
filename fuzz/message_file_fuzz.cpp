// Any bytes as a message file: the reader refuses them with a reason or gives a text
// that the writer stores as a file reading back to the same text.

#include "fuzz_check.h"
#include "message_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace smssim;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const auto result = NachrichtLesenAusDaten(data, "fuzz.n51");
    if (!result) {
        FUZZ_CHECK(result.error().reason.size() < 1000);
        return 0;
    }
    const std::string& text = *result;
    FUZZ_CHECK(text.size() <= data.size());
    const auto again = NachrichtLesenAusDaten(messageFileBytes(text), "fuzz.n51");
    FUZZ_CHECK(again && *again == text);
    return 0;
}
