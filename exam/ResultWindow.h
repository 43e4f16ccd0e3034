#pragma once

#include <QObject>

namespace mirevo {

struct ExamSession;
class Window;

// The result window "答题解析" of the question on display: a snapshot of its type, number,
// points, standard answer, the answer given during this visit and the explanation. Lives as
// long as its window.
class ResultWindow : public QObject
{
    Q_OBJECT
public:
    // Creates the window (not yet open); the object belongs to it.
    explicit ResultWindow(const ExamSession& session);

    Window* window() const;
    bool open();
    // Takes the snapshot again (the created handler) and brings the window to the front.
    void refresh();

private:
    void fill();

    const ExamSession& m_session;
};

} // namespace mirevo
