#pragma once

#include <QPointer>

#include <functional>
#include <utility>

// A window reachable by one name for the whole run: created by the first use
// that names it, and created afresh by the next use after it was destroyed.
template <typename Window>
class WindowInstance
{
public:
    using Create = std::function<Window *()>;
    using Load = std::function<void(Window *)>;

    explicit WindowInstance(Create create, Load load = {})
        : m_create(std::move(create))
        , m_load(std::move(load))
    {
    }

    WindowInstance(const WindowInstance &) = delete;
    WindowInstance &operator=(const WindowInstance &) = delete;

    // The window, created (and its load step run) if it does not exist.
    Window *get()
    {
        if (!m_window) {
            m_window = m_create();
            if (m_load)
                m_load(m_window);
        }
        return m_window;
    }

    Window *operator->() { return get(); }

    // The window if it exists, without creating it.
    Window *existing() const { return m_window; }

private:
    Create m_create;
    Load m_load;
    QPointer<Window> m_window;
};
