#include "Fonts.h"
#include "Translations.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The screens are tested headless, with the real widgets and the program's fonts.
class GuiTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_app = std::make_unique<QApplication>(m_argc, m_argv);
        QApplication::setQuitOnLastWindowClosed(false);
        mirevo::installFontSubstitutions();
        mirevo::installQtTranslations();
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "mirevo-tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new GuiTestEnvironment);

} // namespace
