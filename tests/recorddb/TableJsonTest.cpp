#include "TableJson.h"

#include "HandWrittenTable.h"
#include "RecordDatabase.h"
#include "RecordDbError.h"
#include "SettingsFile.h"
#include "TableCreator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mirevo {
namespace {

class TableJsonTest : public testing::Test
{
protected:
    QJsonObject dump(const QString& path, const QString& password = {})
    {
        OpenOptions options;
        options.readOnly = true;
        options.password = password;
        EXPECT_EQ(m_tables.open(path, options), NoError);
        if (!m_tables.current())
            return {};
        const EngineResult<QJsonObject> json = tableToJson(*m_tables.current());
        EXPECT_EQ(json.code, NoError);
        return json.value;
    }

    QTemporaryDir m_dir;
    RecordDatabase m_tables;
};

TEST_F(TableJsonTest, DefaultSettingsFileDumpsAsDocumented)
{
    const QString path = m_dir.filePath(QStringLiteral("配置文件.ini"));
    ASSERT_EQ(createDefaultSettingsFile(path), NoError);
    const QByteArray expected =
        R"({"magic": "WCDB", "version": 65536, "recordCount": 1, "recordSize": 26, "fields": [
        {"name": "UpdateNotice", "type": 7, "offset": 4, "size": 0},
        {"name": "AutoSave", "type": 7, "offset": 5, "size": 0},
        {"name": "PracticeState", "type": 3, "offset": 6, "size": 0},
        {"name": "ExamState", "type": 3, "offset": 10, "size": 0},
        {"name": "FontCode", "type": 3, "offset": 14, "size": 0},
        {"name": "QuestionCount", "type": 6, "offset": 18, "size": 0}],
        "records": [{"deleted": false, "values": [false, true, 3, 3, 1, 200]}]})";
    EXPECT_EQ(dump(path, settingsPassword()), QJsonDocument::fromJson(expected).object());
}

TEST_F(TableJsonTest, ValuesKeepTheirFieldsTypes)
{
    const QString path = m_dir.filePath(QStringLiteral("kinds.EDB"));
    ASSERT_EQ(createTable(path,
                          {{QStringLiteral("F"), FieldType::Float, 0},
                           {QStringLiteral("L"), FieldType::Long, 0},
                           {QStringLiteral("T"), FieldType::DateTime, 0},
                           {QStringLiteral("X"), FieldType::Text, 4},
                           {QStringLiteral("B"), FieldType::ByteSet, 0}},
                          {{0.1f, qint64(1) << 60, DateTime{3000000}, QStringLiteral("文字"),
                            QByteArray("\x0a\xff")}}),
              NoError);
    const QJsonObject json = dump(path);
    const QByteArray expected = R"([0.1, 1152921504606846976, 2958465, "文字", "0aff"])";
    EXPECT_EQ(json[QStringLiteral("records")][0][QStringLiteral("values")],
              QJsonDocument::fromJson(expected).array());
    EXPECT_EQ(json[QStringLiteral("fields")][3][QStringLiteral("size")], 4);
}

TEST_F(TableJsonTest, DeletedRecordIsMarked)
{
    test::HandWrittenTable table = test::handWrittenSettings();
    table.records[3] = '\x80';
    const QString path = m_dir.filePath(QStringLiteral("deleted.ini"));
    ASSERT_TRUE(test::writeFile(path, table.bytes()));
    const QJsonObject json = dump(path, settingsPassword());
    EXPECT_EQ(json[QStringLiteral("records")][0][QStringLiteral("deleted")], true);
}

} // namespace
} // namespace mirevo
