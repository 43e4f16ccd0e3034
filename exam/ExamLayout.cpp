#include "ExamLayout.h"

#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

void setLeft(QWidget* w, int left)
{
    w->move(left, w->y());
}

void setTop(QWidget* w, int top)
{
    w->move(w->x(), top);
}

void setWidth(QWidget* w, int width)
{
    w->resize(width, w->height());
}

void setHeight(QWidget* w, int height)
{
    w->resize(w->width(), height);
}

// Half of one length less half of another, truncated toward zero.
int centred(int outer, int inner)
{
    return int(outer / 2.0 - inner / 2.0);
}

} // namespace

void layoutExamWindow(Window& window)
{
    const auto get = [&window](const QString& name) {
        return window.control<QWidget>(name);
    };
    const int width = window.width();
    const int height = window.height();

    QWidget* banner = get(u"图片框1"_s);
    QWidget* countdown = get(u"图片框2"_s);
    QWidget* handIn = get(u"按钮_交卷"_s);
    QWidget* toolbar = get(u"图片框3"_s);
    QWidget* questionArea = get(u"画板1"_s);
    QWidget* questionPanel = get(u"画板2"_s);
    QWidget* header = get(u"标签_题型"_s);
    QWidget* rule = get(u"外形框1"_s);
    QWidget* text = get(u"编辑框_tm"_s);
    QWidget* options = get(u"图片框4"_s);

    setWidth(banner, width);
    for (const QString& name : {u"透明标签1"_s, u"透明标签2"_s}) {
        QWidget* title = get(name);
        setLeft(title, centred(width, title->width()));
    }
    setLeft(countdown, width - countdown->width() - 50);
    setLeft(handIn, countdown->x() + countdown->width() - handIn->width());
    setWidth(toolbar, width - toolbar->x());
    setTop(toolbar, height - toolbar->height() - 35);
    setHeight(questionArea, height - toolbar->height() - 165);
    setHeight(questionPanel, questionArea->height() - questionPanel->y());
    setWidth(questionArea, width - questionArea->x());
    setWidth(questionPanel, questionArea->width());
    setWidth(header, questionArea->width() - 2 * header->x());
    setWidth(rule, questionArea->width() - 2 * rule->x());
    setWidth(text, questionArea->width() - text->x() - 20);
    setHeight(text, questionPanel->height() - options->height() - 15);
    setTop(options, questionPanel->height() - options->height() - 10);
    setWidth(options, text->width() - 50);
    for (const QString& prefix : {u"单选框_"_s, u"选择框_"_s}) {
        for (const QString& letter : {u"A"_s, u"B"_s, u"C"_s, u"D"_s})
            setWidth(get(prefix + letter), options->width() - 10);
    }
}

void centreLoginPanel(Window& window)
{
    QWidget* panel = window.control<QWidget>(u"画板1"_s);
    panel->move(centred(window.width(), panel->width()), centred(window.height(), panel->height()));
}

} // namespace mirevo
