#pragma once

#include <QGroupBox>

namespace mirevo {

// A group box: a container with a caption.
class GroupBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit GroupBox(QWidget* parent = nullptr) : QGroupBox(parent) {}

    QString caption() const { return title(); }
    void setCaption(const QString& caption) { setTitle(caption); }
};

} // namespace mirevo
