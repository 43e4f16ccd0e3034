#include "TableNames.h"

#include <algorithm>

namespace mirevo {

namespace {

const QString kDataExtension = QStringLiteral("EDB");
const QString kAuxiliaryExtension = QStringLiteral("EDT");

qsizetype lastSeparator(const QString& path)
{
    return std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
}

qsizetype extensionDot(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > lastSeparator(path) ? dot : -1;
}

bool isLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'Ａ' && c <= u'Ｚ') ||
           (c >= u'ａ' && c <= u'ｚ');
}

bool isDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

bool isChinese(char16_t c)
{
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}

} // namespace

QString withDefaultExtension(const QString& fileName)
{
    if (fileName.endsWith(u'.'))
        return fileName + kDataExtension;
    if (extensionDot(fileName) < 0)
        return fileName + u'.' + kDataExtension;
    return fileName;
}

QString auxiliaryPath(const QString& dataPath)
{
    const qsizetype dot = extensionDot(dataPath);
    const QString stem = dot < 0 ? dataPath : dataPath.left(dot);
    return stem + u'.' + kAuxiliaryExtension;
}

bool isValidTableName(const QString& name)
{
    if (name.isEmpty())
        return false;
    const char16_t first = name.front().unicode();
    if (!isLetter(first) && !isChinese(first))
        return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (!isLetter(u) && !isDigit(u) && !isChinese(u))
            return false;
    }
    return true;
}

} // namespace mirevo
