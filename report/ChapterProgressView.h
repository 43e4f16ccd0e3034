#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace mirevo {

struct StudyReport;

// The chapter part of the learning report: per chapter its catalogue count, the questions
// answered and answered right, the accuracy, the questions in the wrong-answer book and a
// progress bar; the weakest chapters are highlighted. Below, the two ways into a retry.
class ChapterProgressView : public QWidget
{
    Q_OBJECT
public:
    explicit ChapterProgressView(QWidget* parent = nullptr);

    void showReport(const StudyReport& report);
    // The chapter of the selected row; 0 when no row is selected.
    int selectedChapter() const;

signals:
    void retryChapterClicked();
    void retryAllClicked();

private:
    void setRowCount(int rows);

    QTableWidget* m_table = nullptr;
    QLabel* m_legend = nullptr;
    QPushButton* m_retryChapter = nullptr;
    QPushButton* m_retryAll = nullptr;
};

} // namespace mirevo
