#pragma once

#include <QString>

namespace mirevo {

// The engine's error numbers. Every engine call returns 0 on success or one of these.
enum RecordDbError : int
{
    NoError = 0,
    ErrorFileNotFound = -3,
    ErrorLockFile = -13,
    ErrorOpenFailed = -21,
    ErrorNotDatabase = -22,
    ErrorVersionTooHigh = -23,
    ErrorInvalidAlias = -24,
    ErrorNoOpenTable = -27,
    ErrorLockFailed = -28,
    ErrorOpenIndexFailed = -30,
    ErrorTooManyIndexFiles = -34,
    ErrorAuxiliaryHeader = -35,
    ErrorAuxiliaryVersion = -36,
    ErrorAuxiliarySize = -37,
    ErrorAlreadyOpen = -38,
    ErrorRecordNotFound = -44,
    ErrorReadField = -46,
    ErrorWriteField = -47,
    ErrorDataFileSize = -48,
    ErrorCreateAuxiliary = -50,
    ErrorAuxiliaryAccess = -59,
    ErrorNoCurrentRecord = -60,
    ErrorFieldNotFound = -61,
    ErrorReadRecord = -62,
    ErrorValueTypeMismatch = -72,
    ErrorPassword = -78,
    ErrorCreateFailed = -2,
    ErrorFieldCount = -16,
    ErrorFieldType = -17,
    ErrorFieldName = -18,
    ErrorFieldSize = -19,
    ErrorDuplicateFieldName = -20,
};

// The message of an error number: empty for 0, the message of -1 for an unknown number.
QString errorMessage(int code);

} // namespace mirevo
