#include "MainWindow.h"

#include "BalloonTip.h"
#include "BankAccess.h"
#include "BuildConfig.h"
#include "ClearingWindow.h"
#include "Grid.h"
#include "GuidePage.h"
#include "HtmlViewer.h"
#include "Label.h"
#include "MainWindowDescription.h"
#include "PageControl.h"
#include "PictureButton.h"
#include "ProgramState.h"
#include "RecordDatabase.h"
#include "SettingsWindow.h"
#include "UpdateCheck.h"
#include "Window.h"

#include <QDir>
#include <QFileInfo>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString pageControlName = u"高级选择夹1"_s;

enum MainPage : int
{
    HomePage = 0,
    GuidePage = 1,
    ChapterPage = 2,
    ExamPage = 4
};

// The subject buttons in the order in which they are enabled and disabled.
const QStringList accountingButtons = {u"超级按钮_会计实务"_s, u"超级按钮_会计实务1"_s,
                                       u"超级按钮_会计实务2"_s};
const QStringList lawButtons = {u"超级按钮_经济法基础"_s, u"超级按钮_经济法基础1"_s,
                                u"超级按钮_经济法基础2"_s};

} // namespace

MainWindow::MainWindow(ProgramState& state, Services services, QString programDirectory)
    : m_state(state), m_services(services), m_programDirectory(std::move(programDirectory)),
      m_settings(RecordDatabase::processTables())
{
    m_window = new Window(mainWindowDescription());
    connect(m_window, &Window::created, this, &MainWindow::startUp);
    connect(m_window, &Window::aboutToBeDestroyed, this, &MainWindow::closeData);
    connect(m_window, &QObject::destroyed, this, &MainWindow::closed);
    bindHandlers();
    m_chapterPages = std::make_unique<ChapterPages>(*m_window, m_state, m_services, m_settings);
    m_paperPage = std::make_unique<PaperPage>(*m_window, m_state, m_services, m_settings);
    m_studyLoop = std::make_unique<StudyLoop>(*m_window, m_state, m_services, m_settings,
                                              [this](int subject) { refreshSubject(subject); });
}

MainWindow::~MainWindow()
{
    closeData();
    delete m_window;
}

bool MainWindow::open()
{
    return m_window && m_window->open(false);
}

QString MainWindow::programFile(const QString& fileName) const
{
    return m_programDirectory + u'/' + fileName;
}

void MainWindow::bindHandlers()
{
    Window& w = *m_window;
    w.bind(u"超级按钮_最小化"_s, ControlEvent::Clicked, [this] { m_window->setPosition(PositionMinimized); });
    w.bind(u"超级按钮_结束"_s, ControlEvent::Clicked, [this] { exitProgram(); });

    w.bind(u"超级按钮_首页"_s, ControlEvent::Clicked, [this] { showPage(HomePage); });
    w.bind(u"超级按钮_备考宝典"_s, ControlEvent::Clicked, [this] {
        showPage(GuidePage);
        showGuidePage();
    });
    // The page opens on its first row, and the grid shows the row that will open.
    w.bind(u"超级按钮_章节"_s, ControlEvent::Clicked, [this] {
        showPage(ChapterPage);
        m_state.currentChapter = 1;
        m_window->control<Grid>(u"高级表格1"_s)->setCursorRow(1);
    });
    w.bind(u"超级按钮_收藏"_s, ControlEvent::Clicked, [this] { m_chapterPages->showFavouritesPage(); });
    w.bind(u"超级按钮_模拟"_s, ControlEvent::Clicked, [this] {
        showPage(ExamPage);
        m_state.currentPaper = 1;
        m_window->control<Grid>(u"高级表格2"_s)->setCursorRow(1);
    });

    for (const QString& name : accountingButtons)
        w.bind(name, ControlEvent::Clicked, [this] { refreshSubject(1); });
    for (const QString& name : lawButtons)
        w.bind(name, ControlEvent::Clicked, [this] { refreshSubject(2); });

    w.bind(u"超级按钮_系统设置"_s, ControlEvent::Clicked,
           [this] { SettingsWindow::open(m_settings, m_services); });
    w.bind(u"超级按钮_清除记录"_s, ControlEvent::Clicked, [this] {
        openClearingWindow(m_state, m_services, [self = QPointer<MainWindow>(this)] {
            if (self)
                self->showClearedRecords();
        });
    });
    w.bind(u"图片框4"_s, ControlEvent::LeftButtonReleased,
           [this] { m_services.address.open(contactAddress()); });
}

void MainWindow::startUp()
{
    Window& w = *m_window;
    writeGuidePageIfMissing(m_programDirectory);
    auto* tips = w.control<BalloonTip>(u"气球提示框1"_s);
    tips->attachTip(w.control<QWidget>(u"图片框4"_s), u"点击这里联系我吧！！"_s, -1);
    tips->attachTip(w.control<QWidget>(u"图片框_微信二维码"_s), u"扫描二维码，加我微信好友！"_s, -1);

    m_state.questionBank = &m_questionBank;
    if (!openQuestionBank(m_state, m_programDirectory)) {
        // Say once why nothing can be practised, then stay in the designed state.
        const QString path = QDir::toNativeSeparators(programFile(u"mini.dll"_s));
        m_services.messageBox.show(m_questionBank.lastFailure() == QuestionBank::Failure::Busy
                                       ? u"题库文件正被其他程序使用，请关闭该程序后重新启动："_s + path
                                       : u"无法打开题库文件："_s + path);
        return;
    }
    m_studyLoop->openLog(m_programDirectory);
    if (!openSettings())
        return;
    refreshSubject(1);
    if (m_settings.readBool(UpdateNotice))
        runUpdateCheck(m_services.http, m_services.messageBox,
                       w.control<TransparentLabel>(u"透明标签_版本号"_s)->caption());
    fillGrids();
}

bool MainWindow::openSettings()
{
    const QString path = programFile(u"配置文件.ini"_s);
    // A missing settings file is made anew with the defaults; one that exists but does not
    // open is never overwritten.
    if (!QFileInfo::exists(path))
        createDefaultSettingsFile(path);
    if (m_settings.open(path) == NoError)
        return true;
    m_services.messageBox.show(u"无法打开配置文件："_s + QDir::toNativeSeparators(path));
    return false;
}

void MainWindow::refreshSubject(int subject)
{
    m_state.currentSubject = subject;
    Window& w = *m_window;
    for (const QString& name : accountingButtons)
        w.control<PictureButton>(name)->setEnabled(subject != 1);
    for (const QString& name : lawButtons)
        w.control<PictureButton>(name)->setEnabled(subject == 1);
    w.control<Label>(u"标签_当前科目"_s)
        ->setCaption(subject == 1 ? u"当前科目:初级会计实务"_s : u"当前科目:经济法基础"_s);
    fillGrids();
    m_studyLoop->subjectChanged();
}

void MainWindow::fillGrids()
{
    m_chapterPages->fillChapterGrid();
    m_paperPage->fillPaperCatalogue();
}

void MainWindow::showClearedRecords()
{
    fillGrids();
    m_chapterPages->refreshFavouritesCount();
    m_studyLoop->recordsCleared();
}

void MainWindow::showPage(int page)
{
    m_window->control<PageControl>(pageControlName)->setCurrentPage(page);
}

void MainWindow::showGuidePage()
{
    m_window->control<HtmlViewer>(u"超文本浏览框1"_s)->navigate(programFile(u"BaoDian.html"_s));
}

void MainWindow::exitProgram()
{
    closeData();
    m_window->closeWindow();
}

void MainWindow::closeData()
{
    m_studyLoop->closeLog();
    m_settings.close();
    if (!m_state.questionBank)
        return;
    m_state.questionBank->CloseTable(m_state.currentRecordSet);
    m_state.questionBank->CloseDatabase();
}

} // namespace mirevo
