#pragma once

namespace zep {

// An empty object the dock dialog carries; its only operation is its virtual destructor.
class CHook {
public:
    virtual ~CHook() = default;
};

}  // namespace zep
