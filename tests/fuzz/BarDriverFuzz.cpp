// libFuzzer target over the bar driver: every input is a sequence of events the dock dialog passes on
// (two bytes each: the kind and its detail); the bar's invariants must hold after each, and every slide
// must run out at the end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "../unit/BarModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    zep::BarModel model;
    for (size_t i = 0; i + 1 < size; i += 2) {
        if (!model.Apply(data[i], data[i + 1]).empty())
            std::abort();
    }
    if (!model.RunOut().empty())
        std::abort();
    return 0;
}
