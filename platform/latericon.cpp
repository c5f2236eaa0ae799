#include "platform/latericon.h"

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

QPixmap LaterIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, mode, state);
}

// QIcon hands this one the size in device pixels; the made icon is asked as
// QIcon was, so that it picks and scales its images just as it would alone.
QPixmap LaterIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    return icon().pixmap(size / scale, scale, mode, state);
}

QSize LaterIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().actualSize(size, mode, state);
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
