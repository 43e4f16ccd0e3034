#include "SettingsWindow.h"

#include "CheckBox.h"
#include "ComboBox.h"
#include "ControlProperties.h"
#include "EditBox.h"
#include "Label.h"
#include "Settings.h"
#include "SettingsWindowDescription.h"
#include "ValueText.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString updateBox = u"选择框_软件有更新时提示我"_s;
const QString autoSaveBox = u"选择框_章节练习自动保存做题记录"_s;
const QString practiceMaximizedBox = u"选择框_章节练习时窗口最大化"_s;
const QString examMaximizedBox = u"选择框_考试时窗口最大化"_s;
const QString fontList = u"组合框_字体设置"_s;
const QString preview = u"标签_字体大小"_s;
const QString questionCount = u"编辑框1"_s;
const QString readOnlySettingsMessage = u"配置文件是只读的，设置未保存。"_s;

QString fieldText(const EngineResult<FieldValue>& result)
{
    if (!result.ok())
        return {};
    return std::visit(
        [](const auto& value) -> QString {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, DateTime>)
                return valueToText(value.days);
            else if constexpr (std::is_same_v<T, SubroutineRef>)
                return valueToText(value.address);
            else if constexpr (std::is_same_v<T, std::uint8_t>)
                return valueToText(int(value));
            else if constexpr (std::is_same_v<T, QByteArray>)
                return QString::fromLatin1(value.toHex());
            else
                return valueToText(QVariant::fromValue(value));
        },
        result.value);
}

} // namespace

Window* SettingsWindow::open(Settings& settings, Services services)
{
    auto* window = new Window(settingsWindowDescription());
    auto* handlers = new SettingsWindow(*window, settings, services);
    QObject::connect(window, &Window::created, handlers, &SettingsWindow::load);
    window->open(false);
    return window;
}

SettingsWindow::SettingsWindow(Window& window, Settings& settings, Services services)
    : QObject(&window), m_window(window), m_settings(settings), m_services(services),
      m_designedPreviewFont(window.control<QWidget>(preview)->font())
{
    m_window.bind(fontList, ControlEvent::SelectionChanged, [this] { showPreview(); });
    m_window.bind(u"标签_恢复默认"_s, ControlEvent::LeftButtonReleased, [this] { restoreDefaults(); });
    m_window.bind(u"按钮_保存"_s, ControlEvent::Clicked, [this] { save(); });
    m_window.bind(u"调节器1"_s, ControlEvent::SpinPressed,
                  [this](const EventArgs& event) { stepQuestionCount(event.value); });
}

void SettingsWindow::load()
{
    m_window.control<CheckBox>(updateBox)->setChecked(m_settings.readBool(UpdateNotice));
    m_window.control<CheckBox>(autoSaveBox)->setChecked(m_settings.readBool(AutoSavePractice));
    m_window.control<CheckBox>(practiceMaximizedBox)
        ->setChecked(m_settings.readNumber(PracticeWindowState) != 1);
    m_window.control<CheckBox>(examMaximizedBox)->setChecked(m_settings.readNumber(ExamWindowState) != 1);
    m_window.control<ComboBox>(fontList)->setSelectedIndex(int(m_settings.readNumber(AnswerFontCode)));
    showPreview();
    m_window.control<EditBox>(questionCount)->setContent(fieldText(m_settings.read(DefaultQuestionCount)));
}

void SettingsWindow::showPreview()
{
    auto* label = m_window.control<Label>(preview);
    const int points = int(textToNumber(m_window.control<ComboBox>(fontList)->currentText()));
    // The empty entry keeps the designed preview font: a size of 0 points is no size.
    if (points <= 0)
        label->setFont(m_designedPreviewFont);
    else
        setFontSubField(label, FontPointSize, points);
}

void SettingsWindow::restoreDefaults()
{
    m_settings.writeBool(UpdateNotice, false);
    m_settings.writeBool(AutoSavePractice, true);
    m_settings.writeNumber(PracticeWindowState, 3);
    m_settings.writeNumber(ExamWindowState, 3);
    m_settings.writeNumber(AnswerFontCode, m_window.control<ComboBox>(fontList)->itemDataAt(1));
    m_settings.writeNumber(DefaultQuestionCount, 200);
    load();
    // The window shows what the file holds; a file that takes no writes still holds the old values.
    if (m_settings.isReadOnly())
        m_services.messageBox.show(readOnlySettingsMessage);
}

void SettingsWindow::save()
{
    auto checked = [this](const QString& name) {
        return m_window.control<CheckBox>(name)->isChecked();
    };
    const auto* fonts = m_window.control<ComboBox>(fontList);
    const int codes[] = {
        m_settings.writeBool(UpdateNotice, checked(updateBox)),
        m_settings.writeBool(AutoSavePractice, checked(autoSaveBox)),
        m_settings.writeNumber(PracticeWindowState, checked(practiceMaximizedBox) ? 3 : 1),
        m_settings.writeNumber(ExamWindowState, checked(examMaximizedBox) ? 3 : 1),
        m_settings.writeNumber(AnswerFontCode, fonts->itemDataAt(fonts->selectedIndex())),
        m_settings.writeNumber(DefaultQuestionCount,
                               textToNumber(m_window.control<EditBox>(questionCount)->content())),
    };
    const bool allStored =
        std::all_of(std::begin(codes), std::end(codes), [](int code) { return code == 0; });
    // Success is reported only when every value reached the file.
    m_services.messageBox.show(allStored                 ? u"你的设置保存成功！"_s
                               : m_settings.isReadOnly() ? readOnlySettingsMessage
                                                         : u"错误代码！"_s);
}

void SettingsWindow::stepQuestionCount(int step)
{
    auto* edit = m_window.control<EditBox>(questionCount);
    edit->setContent(valueToText(textToNumber(edit->content()) + step));
}

} // namespace mirevo
