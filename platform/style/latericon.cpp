// Every platform and Qt version.
#include "platform/style/latericon.h"

#include <QPainter>

namespace platform {

LaterIconEngine::LaterIconEngine(Make make)
    : m_shared(std::make_shared<Shared>(Shared{std::move(make), std::nullopt}))
{
}

LaterIconEngine::LaterIconEngine(std::shared_ptr<Shared> shared)
    : m_shared(std::move(shared))
{
}

const QIcon &LaterIconEngine::icon()
{
    if (!m_shared->icon)
        m_shared->icon = m_shared->make();
    return *m_shared->icon;
}

void LaterIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

// An engine's pixmap and size are in device pixels at a ratio of 1, where
// QIcon's own, asked without a ratio, take the application's: on a screen at
// 150 % that gave 24 pixels for 16, and oversized icons on a 100 % screen
// beside it.
QPixmap LaterIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, 1.0, mode, state);
}

// The made icon is asked as QIcon asked this one, so that it picks and scales
// its images just as it would alone. QIcon hands over the size in device
// pixels on Qt 6.4, in device-independent pixels from Qt 6.8 on.
QPixmap LaterIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return icon().pixmap(size, scale, mode, state);
#else
    return icon().pixmap(size / scale, scale, mode, state);
#endif
}

QSize LaterIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return pixmap(size, mode, state).size();
}

QList<QSize> LaterIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

bool LaterIconEngine::isNull()
{
    return icon().isNull();
}

QString LaterIconEngine::key() const
{
    return QStringLiteral("MixoraLaterIconEngine");
}

QIconEngine *LaterIconEngine::clone() const
{
    return new LaterIconEngine(m_shared);
}

} // namespace platform
