#pragma once

#include <memory>

namespace orv {

// Blocks the calling thread; nothing else runs on it meanwhile.
class ISleeper {
public:
    virtual ~ISleeper() = default;
    virtual void Sleep(int milliseconds) = 0;
};

std::unique_ptr<ISleeper> CreateQtSleeper();

} // namespace orv
