#include "ArtworkScale.h"

namespace mirevo {

namespace {

qreal paintScale = 1;

} // namespace

ArtworkScale::ArtworkScale(qreal scale) : m_previous(paintScale)
{
    paintScale = scale;
}

ArtworkScale::~ArtworkScale()
{
    paintScale = m_previous;
}

qreal ArtworkScale::current()
{
    return paintScale;
}

} // namespace mirevo
