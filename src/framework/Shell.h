#pragma once

#include <memory>
#include <string>

namespace orv {

// Opens a document with the desktop's default program for it.
class IShell {
public:
    virtual ~IShell() = default;
    // Returns at once; whether a program took the document is not reported.
    virtual void Open(const std::string& path) = 0;
};

std::unique_ptr<IShell> CreateQtShell();

} // namespace orv
