#pragma once

#include <QtGlobal>

namespace mirevo::tableformat {

// The layout of a data file and of its auxiliary file; all integers little-endian.
inline constexpr char kPlainMagic[] = "WEDB";
inline constexpr char kProtectedMagic[] = "WCDB";
inline constexpr char kAuxiliaryMagic[] = "WEDT";
inline constexpr qint32 kVersion = 0x10000;

inline constexpr qint64 kHeaderSize = 112;
inline constexpr qint64 kRecordCountOffset = 16;
inline constexpr qint64 kOffset20 = 20;
inline constexpr qint64 kRecordSizeOffset = 24;
inline constexpr qint64 kDigestOffset = 28;
inline constexpr qint64 kDigestSize = 32;
inline constexpr qint64 kFieldCountOffset = 112;
inline constexpr qint64 kDescriptorsOffset = 116;
inline constexpr qint64 kDescriptorSize = 72;
inline constexpr qint64 kNameSize = 17;
inline constexpr qint64 kMaxNameBytes = 16;
inline constexpr qint64 kTypeOffset = 20;
inline constexpr qint64 kFieldOffsetOffset = 24;
inline constexpr qint64 kDeclaredSizeOffset = 28;
inline constexpr qint64 kStatusWordSize = 4;

inline constexpr qint64 kBlockSize = 512;
inline constexpr qint64 kAuxiliaryHeaderSize = 32;
inline constexpr qint64 kAuxVersionOffset = 4;
inline constexpr qint64 kBlockCountOffset = 16;
inline constexpr qint64 kFreeCountOffset = 20;
inline constexpr qint64 kFirstFreeOffset = 24;
inline constexpr qint64 kBlockPreviousOffset = 0;
inline constexpr qint64 kBlockNextOffset = 4;
inline constexpr qint64 kBlockUsedOffset = 8;
inline constexpr qint64 kBlockDataOffset = 12;
inline constexpr qint64 kBlockDataSize = 500;

inline constexpr int kMaxIndexFiles = 10;

} // namespace mirevo::tableformat
