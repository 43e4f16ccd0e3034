#include "ControlProperties.h"

#include "Fonts.h"

#include <QApplication>
#include <QCursor>
#include <QStringEncoder>
#include <QWidget>

namespace mirevo {

namespace {

const char* const tagProperty = "mirevoTag";
const char* const cursorProperty = "mirevoCursor";
const char* const angleProperty = "mirevoFontAngle";

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
    return control->property(tagProperty).toString();
}

void setControlTag(QObject* control, const QString& tag)
{
    control->setProperty(tagProperty, tag);
}

int controlCursor(const QWidget* control)
{
    return control->property(cursorProperty).toInt();
}

void setControlCursor(QWidget* control, int cursorNumber)
{
    control->setProperty(cursorProperty, cursorNumber);
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
