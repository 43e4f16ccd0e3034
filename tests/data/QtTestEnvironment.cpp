#include <QCoreApplication>
#include <QString>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The store must stay silent: any Qt warning raised while a test runs fails that test.
void failOnWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        ADD_FAILURE() << "Qt message: " << message.toStdString();
}

// The SQL drivers are plugins, and loading them needs an application object.
class QtTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_app = std::make_unique<QCoreApplication>(m_argc, m_argv);
        qInstallMessageHandler(failOnWarning);
    }
    void TearDown() override
    {
        qInstallMessageHandler(nullptr);
        m_app.reset();
    }

private:
    int m_argc = 1;
    char m_name[16] = "mirevo-tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QCoreApplication> m_app;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

} // namespace
