#include "ControlFactory.h"

#include "BalloonTip.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ControlProperties.h"
#include "DrawPanel.h"
#include "EditBox.h"
#include "Fonts.h"
#include "Grid.h"
#include "GroupBox.h"
#include "HtmlViewer.h"
#include "Label.h"
#include "PageControl.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "Pictures.h"
#include "RadioBox.h"
#include "ScrollBar.h"
#include "ShapeBox.h"
#include "Spin.h"
#include "Timer.h"
#include "WindowDescription.h"

namespace mirevo {

namespace {

Picture pictureAt(const ControlDescription& d, int index)
{
    return index < d.pictures.size() ? Picture::named(d.pictures[index]) : Picture();
}

QWidget* createWidget(const ControlDescription& d, QWidget* parent)
{
    switch (d.kind) {
    case ControlKind::Label:
    case ControlKind::TransparentLabel: {
        Label* label = d.kind == ControlKind::Label ? new Label(parent) : new TransparentLabel(parent);
        label->setCaption(d.caption);
        label->setTextColour(d.textColour);
        if (d.kind == ControlKind::Label) {
            label->setBackColour(d.backColour);
            label->setBackPicture(pictureAt(d, 0));
            label->setBorder(d.border);
        }
        return label;
    }
    case ControlKind::Button: {
        auto* button = new Button(parent);
        button->setCaption(d.caption);
        if (!d.pictures.isEmpty())
            button->setPicture(pictureAt(d, 0).pixmap());
        return button;
    }
    case ControlKind::PictureButton: {
        auto* button = new PictureButton(parent);
        button->setCaption(d.caption);
        button->setButtonStyle(d.buttonStyle);
        button->setFocusBackColour(d.focusBackColour);
        button->setLookColours(PictureButton::Normal, d.textColour, d.backColour);
        button->setLookColours(PictureButton::Pressed, d.pressedTextColour, d.pressedBackColour);
        button->setLookColours(PictureButton::Hover, d.hoverTextColour, d.hoverBackColour);
        for (int look = 0; look < 3; ++look)
            button->setLookPicture(look, pictureAt(d, look));
        return button;
    }
    case ControlKind::CheckBox: {
        auto* box = new CheckBox(parent);
        box->setCaption(d.caption);
        box->setChecked(d.checked);
        box->setColours(d.textColour, d.backColour);
        return box;
    }
    case ControlKind::RadioBox: {
        auto* box = new RadioBox(parent);
        box->setCaption(d.caption);
        box->setChecked(d.checked);
        box->setColours(d.textColour, d.backColour);
        return box;
    }
    case ControlKind::EditBox: {
        auto* edit = new EditBox(d.multiLine, parent);
        edit->setContent(d.caption);
        edit->setBorder(d.border);
        edit->setScrollBars(d.scrollBars);
        edit->setInputMode(d.inputMode);
        edit->setColours(d.textColour, d.backColour);
        return edit;
    }
    case ControlKind::ComboBox: {
        auto* combo = new ComboBox(parent);
        combo->setItems(d.items, d.itemData);
        return combo;
    }
    case ControlKind::PictureBox: {
        auto* box = new PictureBox(parent);
        box->setPicture(pictureAt(d, 0));
        box->setDisplayMode(d.pictureMode);
        box->setBorder(d.border);
        box->setBackColour(d.backColour);
        return box;
    }
    case ControlKind::ShapeBox: {
        auto* shape = new ShapeBox(parent);
        shape->setShape(d.shape);
        shape->setColours(d.lineColour, d.fillColour);
        return shape;
    }
    case ControlKind::DrawPanel: {
        auto* panel = new DrawPanel(parent);
        panel->setBackColour(d.backColour);
        panel->setBackPicture(pictureAt(d, 0), d.pictureMode);
        return panel;
    }
    case ControlKind::GroupBox: {
        auto* group = new GroupBox(parent);
        group->setCaption(d.caption);
        return group;
    }
    case ControlKind::PageControl: {
        auto* pages = new PageControl(d.pageCaptions, d.tabStripShown, parent);
        pages->setPageColour(d.backColour);
        return pages;
    }
    case ControlKind::ScrollBar: {
        auto* bar = new ScrollBar(parent);
        bar->setMinPosition(d.minimum);
        bar->setMaxPosition(d.maximum);
        bar->setPageStep(d.pageStep);
        bar->setSingleStep(d.lineStep);
        bar->setPosition(d.position);
        return bar;
    }
    case ControlKind::Spin:
        return new Spin(parent);
    case ControlKind::Grid:
        return new Grid(d.rows, d.fixedRows, d.columns, parent);
    case ControlKind::HtmlViewer:
        return new HtmlViewer(parent);
    case ControlKind::Timer:
    case ControlKind::BalloonTip:
        break;
    }
    return nullptr;
}

} // namespace

QObject* createControl(const ControlDescription& d, QWidget* parent)
{
    if (d.kind == ControlKind::Timer) {
        auto* timer = new Timer(parent);
        timer->setObjectName(d.name);
        timer->setInterval(d.interval);
        return timer;
    }
    if (d.kind == ControlKind::BalloonTip) {
        auto* tips = new BalloonTip(parent);
        tips->setObjectName(d.name);
        return tips;
    }
    QWidget* widget = createWidget(d, parent);
    widget->setObjectName(d.name);
    // Every control has a font of its own, so that it never takes its container's font.
    widget->setFont(d.font ? qtFont(*d.font) : defaultGuiFont());
    widget->setGeometry(d.geometry);
    widget->setEnabled(!d.disabled);
    widget->setVisible(d.visible);
    setControlTag(widget, d.tag);
    setControlCursor(widget, d.cursor);
    return widget;
}

QWidget* cloneWidget(const ControlDescription& description, const QWidget& source, QWidget* parent)
{
    // Made from the kind's design and then given the source's current state, without first
    // applying the design's common properties that the copy replaces at once.
    QWidget* clone = createWidget(description, parent);
    if (clone)
        copyControlState(source, *clone);
    return clone;
}

void copyControlState(const QObject& source, QObject& clone)
{
    setControlTag(&clone, controlTag(&source));
    const auto* from = qobject_cast<const QWidget*>(&source);
    auto* to = qobject_cast<QWidget*>(&clone);
    if (!from || !to)
        return;
    to->setFont(from->font());
    to->setGeometry(from->geometry());
    to->setEnabled(from->isEnabled());
    to->setVisible(!from->isHidden());
    setControlCursor(to, controlCursor(from));

    if (auto* button = qobject_cast<const PictureButton*>(from)) {
        auto* copy = static_cast<PictureButton*>(to);
        copy->setCaption(button->caption());
        copy->setButtonStyle(button->buttonStyle());
        copy->setFocusBackColour(button->focusBackColour());
        for (int look = 0; look < 3; ++look) {
            copy->setLookColours(look, button->lookTextColour(look), button->lookBackColour(look));
            copy->setLookPicture(look, button->lookPictureSource(look));
        }
    } else if (auto* label = qobject_cast<const Label*>(from)) {
        auto* copy = static_cast<Label*>(to);
        copy->setCaption(label->caption());
        copy->setPalette(label->palette());
        copy->setBackColour(label->backColour());
        copy->setBorder(label->border());
    } else if (auto* button = qobject_cast<const QAbstractButton*>(from)) {
        auto* copy = static_cast<QAbstractButton*>(to);
        copy->setText(button->text());
        copy->setChecked(button->isChecked());
        copy->setPalette(button->palette());
        copy->setAutoFillBackground(button->autoFillBackground());
    } else if (auto* edit = qobject_cast<const EditBox*>(from)) {
        auto* copy = static_cast<EditBox*>(to);
        copy->setContent(edit->content());
        copy->setInputMode(edit->inputMode());
    } else if (auto* combo = qobject_cast<const ComboBox*>(from)) {
        auto* copy = static_cast<ComboBox*>(to);
        QStringList items;
        QList<int> data;
        for (int i = 0; i < combo->count(); ++i) {
            items.append(combo->itemText(i));
            data.append(combo->itemDataAt(i));
        }
        copy->setItems(items, data);
        copy->setSelectedIndex(combo->selectedIndex());
    } else if (auto* box = qobject_cast<const PictureBox*>(from)) {
        auto* copy = static_cast<PictureBox*>(to);
        copy->setPicture(box->picture());
        copy->setDisplayMode(box->displayMode());
    } else if (auto* bar = qobject_cast<const ScrollBar*>(from)) {
        auto* copy = static_cast<ScrollBar*>(to);
        copy->setMinPosition(bar->minPosition());
        copy->setMaxPosition(bar->maxPosition());
        copy->setPageStep(bar->pageStep());
        copy->setSingleStep(bar->singleStep());
        copy->setPosition(bar->position());
    }
}

} // namespace mirevo
