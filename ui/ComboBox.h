#pragma once

#include <QComboBox>

namespace mirevo {

// A drop-down list. The user's choice raises selection changed (QComboBox::activated);
// writing `selectedIndex` never does.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    void setItems(const QStringList& items, const QList<int>& itemData);
    int selectedIndex() const { return currentIndex(); }
    // An index above the last selects the last item; −1 or less clears the selection.
    void setSelectedIndex(int index);
    // The integer attached to an item; −1 for an index outside the list.
    int itemDataAt(int index) const;
};

} // namespace mirevo
