#pragma once

#include "RecordDbError.h"

namespace mirevo {

// A value from the engine, or the error number that kept it from being produced.
template <typename T> struct EngineResult
{
    int code = NoError;
    T value{};

    bool ok() const { return code == NoError; }
};

} // namespace mirevo
