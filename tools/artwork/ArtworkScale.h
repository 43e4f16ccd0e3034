#pragma once

#include <QtGlobal>

namespace mirevo {

// The device pixels per picture pixel that pictures are painted at while an object of this
// class lives: 2 paints the variant for high-density screens. The paint functions stay in
// picture pixels; their canvas carries the ratio.
class ArtworkScale
{
public:
    explicit ArtworkScale(qreal scale);
    ~ArtworkScale();
    ArtworkScale(const ArtworkScale&) = delete;
    ArtworkScale& operator=(const ArtworkScale&) = delete;

    static qreal current();

private:
    qreal m_previous;
};

} // namespace mirevo
