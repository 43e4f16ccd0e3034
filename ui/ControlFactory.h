#pragma once

class QObject;
class QWidget;

namespace mirevo {

struct ControlDescription;

// Creates a control of the described kind as a child of `parent`, with its design properties.
QObject* createControl(const ControlDescription& description, QWidget* parent);

// A new widget of the source's kind in `parent` with the source's current property values.
QWidget* cloneWidget(const ControlDescription& description, const QWidget& source, QWidget* parent);

// Gives `clone` the current property values of `source` (a control of the same kind).
void copyControlState(const QObject& source, QObject& clone);

} // namespace mirevo
