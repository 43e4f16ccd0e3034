#include "ControlProperties.h"

#include "Fonts.h"

#include <QApplication>
#include <QCursor>
#include <QHash>
#include <QStringEncoder>
#include <QWidget>

namespace mirevo {

namespace {

const char* const angleProperty = "mirevoFontAngle";

// The tag and cursor number of every control that was given one. They are kept beside the
// controls rather than as dynamic properties: a dynamic property is looked up by name through the
// properties of every class of the control and announced by an event at each write, which made
// them a third of what cloning a card cell cost. An entry goes with its control.
struct Extras
{
    QString tag;
    int cursor = 0;
};

QHash<const QObject*, Extras>& extrasTable()
{
    static QHash<const QObject*, Extras> table;
    return table;
}

Extras extrasOf(const QObject* control)
{
    return extrasTable().value(control);
}

Extras& writableExtrasOf(QObject* control)
{
    QHash<const QObject*, Extras>& table = extrasTable();
    auto found = table.find(control);
    if (found == table.end()) {
        found = table.insert(control, {});
        QObject::connect(control, &QObject::destroyed, control, [control] { extrasTable().remove(control); });
    }
    return *found;
}

Qt::CursorShape cursorShape(int number)
{
    switch (number) {
    case 32513:
        return Qt::IBeamCursor;
    case 32514:
        return Qt::WaitCursor;
    case 32515:
        return Qt::CrossCursor;
    case 32516:
        return Qt::UpArrowCursor;
    case 32642:
        return Qt::SizeFDiagCursor;
    case 32643:
        return Qt::SizeBDiagCursor;
    case 32644:
        return Qt::SizeHorCursor;
    case 32645:
        return Qt::SizeVerCursor;
    case 32646:
        return Qt::SizeAllCursor;
    case 32648:
        return Qt::ForbiddenCursor;
    case 32649:
        return Qt::PointingHandCursor;
    case 32650:
        return Qt::BusyCursor;
    case 32651:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

QString controlTag(const QObject* control)
{
    return extrasOf(control).tag;
}

void setControlTag(QObject* control, const QString& tag)
{
    // An empty tag is what a control without an entry has.
    if (tag.isEmpty() && !extrasTable().contains(control))
        return;
    writableExtrasOf(control).tag = tag;
}

int controlCursor(const QWidget* control)
{
    return extrasOf(control).cursor;
}

void setControlCursor(QWidget* control, int cursorNumber)
{
    if (cursorNumber != 0 || extrasTable().contains(control))
        writableExtrasOf(control).cursor = cursorNumber;
    if (cursorNumber == 0)
        control->unsetCursor();
    else
        control->setCursor(cursorShape(cursorNumber));
}

void setFontSubField(QWidget* control, int subField, const QVariant& value)
{
    // Every control is created with a font of its own (its design font or the default GUI
    // font), so the current font is the starting point in both cases.
    QFont font = control->font();
    switch (subField) {
    case FontAngle:
        control->setProperty(angleProperty, ((value.toInt() % 3600) + 3600) % 3600);
        return;
    case FontBold:
        font.setWeight(value.toBool() ? QFont::Bold : QFont::Normal);
        break;
    case FontItalic:
        font.setItalic(value.toBool());
        break;
    case FontUnderline:
        font.setUnderline(value.toBool());
        break;
    case FontStrikeOut:
        font.setStrikeOut(value.toBool());
        break;
    case FontPointSize:
        if (value.toInt() <= 0)
            return;
        font.setPointSize(value.toInt());
        break;
    case FontFaceName: {
        const QString face = value.toString();
        QStringEncoder encoder("GBK");
        const qsizetype bytes = QByteArray(encoder.encode(face)).size();
        font.setFamily(bytes >= 1 && bytes <= 31 ? substitutedFace(face) : QApplication::font().family());
        break;
    }
    default:
        return;
    }
    control->setFont(font);
}

int fontAngle(const QWidget* control)
{
    return control->property(angleProperty).toInt();
}

} // namespace mirevo
