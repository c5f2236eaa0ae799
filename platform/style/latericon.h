#pragma once

#include <QIcon>
#include <QIconEngine>

#include <functional>
#include <optional>
#include <memory>

namespace platform {

// An icon that is made only when it is first drawn or measured, for icons
// that are asked for early but seldom shown (see AppStyle); on every
// platform and Qt version. Copies share the one made icon.
class LaterIconEngine : public QIconEngine
{
public:
    using Make = std::function<QIcon()>;

    explicit LaterIconEngine(Make make);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine *clone() const override;

private:
    struct Shared
    {
        Make make;
        std::optional<QIcon> icon;
    };

    explicit LaterIconEngine(std::shared_ptr<Shared> shared);
    const QIcon &icon();

    std::shared_ptr<Shared> m_shared;
};

} // namespace platform
