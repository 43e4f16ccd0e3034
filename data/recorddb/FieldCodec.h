#pragma once

#include "FieldDescriptor.h"
#include "FieldValue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace mirevo {

// The conversions between field values and their stored bytes, shared by the table and the
// table creator so that both store a value the same way.
namespace fieldcodec {

bool isValidType(qint32 type);

// The bytes a field occupies in its record: fixed per type, the declared size for text.
qint64 storedSize(FieldType type, qint32 declaredSize);

bool usesAuxiliaryFile(FieldType type);

// The value converted to the field's type: numbers convert between the numeric types (integers
// saturate, fractions are cut towards zero), texts and byte-sets only to their own types.
std::optional<FieldValue> convertTo(FieldType type, const FieldValue& value);

// The stored bytes of a value already converted to the field's type (not byte-set or memo).
// A text is padded with NUL bytes or cut, between characters, to the declared size.
std::optional<QByteArray> encodeStored(const FieldDescriptor& field, const FieldValue& value);

// The value of stored bytes of storedSize() length (not byte-set or memo).
std::optional<FieldValue> decodeStored(const FieldDescriptor& field, QByteArrayView bytes);

// The bytes a byte-set or memo value keeps in its auxiliary chain, and back.
std::optional<QByteArray> encodeChain(FieldType type, const FieldValue& value);
std::optional<FieldValue> decodeChain(FieldType type, const QByteArray& bytes);

} // namespace fieldcodec

} // namespace mirevo
