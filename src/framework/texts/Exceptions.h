// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/texts/FrameworkTexts.h"

#include <stdexcept>
#include <string>

// The framework's exception classes. Messages are UTF-8 and are shown to the
// user as they stand by the application's exception boundary.
namespace orv {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A file that exists but cannot be opened, read, created or written.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// A text that does not convert to the wanted type.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An operation a control cannot do in its present state or with the values
// given, such as a scroll bar range whose Max lies below its Min.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// A program resource that is not there; the message names it.
class EResNotFound : public Exception {
public:
    explicit EResNotFound(const std::string& name)
        : Exception(Format(FrameworkTexts::ResourceNotFound, {name})) {}
};

// A checked conversion of an object to a class it is not.
class EInvalidCast : public Exception {
public:
    EInvalidCast() : Exception(Tr(FrameworkTexts::InvalidCast)) {}
};

// Checked downcast that raises EInvalidCast instead of handing back null.
template <typename To, typename From> To& CheckedCast(From& object) {
    if (auto* result = dynamic_cast<To*>(&object))
        return *result;
    throw EInvalidCast();
}

} // namespace orv
